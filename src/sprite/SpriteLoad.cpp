// Loading the sprite sheet, the mask sheet, plain pictures and the frame file railquest.dat.
#include "sprite/SpriteLoad.h"

#include <cmath>
#include <optional>

#include "base/FileBytes.h"
#include "base/Rounding.h"

namespace rq {
namespace {

// The game reports every failure of the sheet, mask and frame loaders under one procedure name.
const char* const kGfxError = "The following error occurred in iSprLoadGfx():";
const char* const kBmpError = "The following error occurred in iSprLoadBMP():";

bool Fail(MessagePort& messages, const char* heading, const std::string& description) {
    messages.ShowMessage(std::string(heading) + "\n" + description);
    return false;
}

std::string SizeText(const Surface& s) {
    return std::to_string(s.Width) + " x " + std::to_string(s.Height);
}

// Sequential numeric input over a text: one field at a time.
class FieldReader {
public:
    explicit FieldReader(const std::string& text) : text_(text) {}

    // The next field as text; nullopt at the end of the input.
    std::optional<std::string> Next() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) {
            ++pos_;
        }
        if (pos_ >= text_.size()) {
            return std::nullopt;
        }
        std::string field;
        while (pos_ < text_.size() && text_[pos_] != ',' && !IsBlank(text_[pos_])) {
            field += text_[pos_++];
        }
        // Blanks after a number, then at most one comma, belong to this field.
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) {
            ++pos_;
        }
        if (pos_ < text_.size() && text_[pos_] == ',') {
            ++pos_;
        }
        return field;
    }

private:
    static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    const std::string& text_;
    std::size_t pos_ = 0;
};

// A field as a 16-bit integer: digits with an optional sign and fraction (rounded halves to even);
// an empty field is 0.
bool ParseNumber(const std::string& field, std::int16_t& value, std::string& error) {
    if (field.empty()) {
        value = 0;
        return true;
    }
    std::size_t i = 0;
    bool negative = false;
    if (field[i] == '+' || field[i] == '-') {
        negative = field[i] == '-';
        ++i;
    }
    double number = 0;
    bool digits = false;
    while (i < field.size() && field[i] >= '0' && field[i] <= '9') {
        number = number * 10 + (field[i++] - '0');
        digits = true;
        if (number > 1e9) {
            number = 1e9;  // far out of range already; keep the arithmetic finite
        }
    }
    if (i < field.size() && field[i] == '.') {
        double scale = 0.1;
        for (++i; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
            number += (field[i] - '0') * scale;
            scale /= 10;
            digits = true;
        }
    }
    if (!digits || i != field.size()) {
        error = "Type mismatch: \"" + field + "\" is not a number";
        return false;
    }
    const int whole = CInt(negative ? -number : number);
    if (whole < -32768 || whole > 32767) {
        error = "Overflow: " + field + " does not fit a 16-bit number";
        return false;
    }
    value = static_cast<std::int16_t>(whole);
    return true;
}

bool LoadSheetLike(Surface& target, const Surface& partner, const char* partnerName, const std::string& appPath,
                   const std::string& fileName, PictureLoader& loader, MessagePort& messages) {
    Surface picture;
    std::string error;
    if (!loader.Load(ProgramFile(appPath, fileName), picture, error)) {
        return Fail(messages, kGfxError, error);
    }
    if (!picture.Exists()) {
        return Fail(messages, kGfxError, "Invalid picture: " + fileName + " is empty");
    }
    if (partner.Exists() && (partner.Width != picture.Width || partner.Height != picture.Height)) {
        return Fail(messages, kGfxError,
                    fileName + " is " + SizeText(picture) + " pixels but the " + partnerName + " is " +
                        SizeText(partner) + "; the sprite sheet and the mask sheet must be the same size");
    }
    target = std::move(picture);
    return true;
}

}  // namespace

std::string ProgramFile(const std::string& appPath, const std::string& fileName) {
    if (appPath.empty() || appPath.back() == '/' || appPath.back() == '\\') {
        return appPath + fileName;
    }
    return appPath + "/" + fileName;
}

bool iSprLoadSheet(SpriteEngine& e, const std::string& appPath, const std::string& fileName, PictureLoader& loader,
                   MessagePort& messages) {
    return LoadSheetLike(e.Sheet, e.Mask, "mask sheet", appPath, fileName, loader, messages);
}

bool iSprLoadMask(SpriteEngine& e, const std::string& appPath, const std::string& fileName, PictureLoader& loader,
                  MessagePort& messages) {
    return LoadSheetLike(e.Mask, e.Sheet, "sprite sheet", appPath, fileName, loader, messages);
}

bool iSprLoadBMP(Surface& picture, const std::string& appPath, const std::string& fileName, const PictureBounds& bounds,
                 PictureLoader& loader, MessagePort& messages) {
    Surface loaded;
    std::string error;
    if (!loader.Load(ProgramFile(appPath, fileName), loaded, error)) {
        return Fail(messages, kBmpError, error);
    }
    if (loaded.Width < bounds.MinWidth || loaded.Width > bounds.MaxWidth || loaded.Height < bounds.MinHeight ||
        loaded.Height > bounds.MaxHeight) {
        return Fail(messages, kBmpError,
                    "Invalid picture: " + fileName + " is " + SizeText(loaded) + " pixels; it must be " +
                        std::to_string(bounds.MinWidth) + " to " + std::to_string(bounds.MaxWidth) + " wide and " +
                        std::to_string(bounds.MinHeight) + " to " + std::to_string(bounds.MaxHeight) + " high");
    }
    picture = std::move(loaded);
    return true;
}

bool ReadFrameFile(const std::string& text, std::vector<SpriteFrame>& frames, std::string& error) {
    FieldReader reader(text);
    auto read = [&](std::int16_t& value, const std::string& what) {
        const std::optional<std::string> field = reader.Next();
        if (!field) {
            error = "Input past end of file (" + what + " is missing)";
            return false;
        }
        return ParseNumber(*field, value, error);
    };
    std::int16_t n = 0;
    if (!read(n, "the frame count")) {
        return false;
    }
    if (n < 0 || n > kMaxFrameRecords) {
        error = "Bad frame count " + std::to_string(n) + ": a frame file holds 0 to " +
                std::to_string(kMaxFrameRecords) + " frames";
        return false;
    }
    std::vector<SpriteFrame> result(static_cast<std::size_t>(n) + 1);
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
        const std::string what = "frame " + std::to_string(i) + " of " + std::to_string(n);
        SpriteFrame& f = result[i];
        if (!read(f.SrcX, what) || !read(f.SrcY, what) || !read(f.Width, what) || !read(f.Height, what)) {
            return false;
        }
    }
    frames = std::move(result);
    return true;
}

bool FramesFromText(const SpriteEngine& e, const std::string& text, const std::string& fileName,
                    std::vector<SpriteFrame>& frames, std::string& error) {
    std::vector<SpriteFrame> read;
    if (!ReadFrameFile(text, read, error)) {
        error += " in " + fileName;
        return false;
    }
    if (read.size() <= static_cast<std::size_t>(kFramesNeeded)) {
        error = fileName + " holds " + std::to_string(read.size() - 1) + " frames; the game needs frames 0 to " +
                std::to_string(kFramesNeeded - 1);
        return false;
    }
    // Every frame is drawn from both sheets; one that does not lie on them is a damaged file.
    for (std::size_t i = 0; i + 1 < read.size(); ++i) {
        const SpriteFrame& f = read[i];
        const std::string which = "Frame " + std::to_string(i) + " (" + std::to_string(f.SrcX) + ", " +
                                  std::to_string(f.SrcY) + ", " + std::to_string(f.Width) + ", " +
                                  std::to_string(f.Height) + ") of " + fileName;
        if (f.Width <= 0 || f.Height <= 0) {
            error = which + " has no width or height";
            return false;
        }
        if (!e.Sheet.Exists() || !e.Mask.Exists()) {
            error = which + " has no sprite sheet and mask to lie on; load them first";
            return false;
        }
        // The loaders keep both sheets the same size, so the sheet's bounds are the mask's.
        if (f.SrcX < 0 || f.SrcY < 0 || f.SrcX + f.Width > e.Sheet.Width || f.SrcY + f.Height > e.Sheet.Height) {
            error = which + " lies outside the sprite sheet (" + SizeText(e.Sheet) + " pixels)";
            return false;
        }
    }
    frames = std::move(read);
    return true;
}

bool iSprLoadGfx(SpriteEngine& e, const std::string& appPath, const std::string& fileName, MessagePort& messages) {
    const std::string path = ProgramFile(appPath, fileName);
    // The frame file is a few hundred bytes of numbers; a megabyte is not one.
    constexpr std::uintmax_t kMaxFrameFileBytes = 1u << 20;
    std::string content;
    std::string error;
    if (!ReadFileBytes(path, kMaxFrameFileBytes, content, error)) {
        return Fail(messages, kGfxError, error);
    }
    std::vector<SpriteFrame> frames;
    if (!FramesFromText(e, content, fileName, frames, error)) {
        return Fail(messages, kGfxError, error);
    }
    e.gFrames = std::move(frames);
    return true;
}

}  // namespace rq
