// Checks a bitmap file's headers against its length, in 64-bit arithmetic so no field can wrap round.
#include "sprite/BmpLayout.h"

#include <cstdlib>

namespace rq {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;  // the plain header, the one the game's pictures use
constexpr int kMaxSide = 32767;              // scene coordinates are 16-bit

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

}  // namespace

bool ReadBmpLayout(std::span<const std::uint8_t> b, BmpLayout& layout, std::string& why) {
    auto bad = [&](std::string text) {
        why = std::move(text);
        return false;
    };
    if (b.size() < 2 || b[0] != 'B' || b[1] != 'M') {
        return bad("not a Windows bitmap");
    }
    if (b.size() < kFileHeaderSize + 4) {
        return bad("the file ends inside its header");
    }
    const std::uint32_t headerSize = U32(b, 14);
    if (headerSize != kInfoHeaderSize) {
        return bad("an unknown kind of bitmap header (" + std::to_string(headerSize) + " bytes)");
    }
    if (kFileHeaderSize + kInfoHeaderSize > b.size()) {
        return bad("the file ends inside its header");
    }
    const auto width = static_cast<std::int32_t>(U32(b, 18));
    const auto rawHeight = static_cast<std::int32_t>(U32(b, 22));
    const int planes = b[26] | b[27] << 8;
    const int bits = b[28] | b[29] << 8;
    const std::uint32_t compression = U32(b, 30);
    const std::uint64_t colours = U32(b, 46);
    if (width <= 0 || width > kMaxSide || rawHeight == 0 || rawHeight > kMaxSide || rawHeight < -kMaxSide) {
        return bad("an impossible size of " + std::to_string(width) + " x " + std::to_string(rawHeight) + " pixels");
    }
    if (planes != 1) {
        return bad("a bitmap of " + std::to_string(planes) + " colour planes");
    }
    if (compression != 0 || (bits != 8 && bits != 24 && bits != 32)) {
        return bad("a " + std::to_string(bits) + "-bit bitmap of compression " + std::to_string(compression) +
                   "; only uncompressed 8, 24 or 32-bit bitmaps are read");
    }
    if (colours > 256) {
        return bad("a colour table of " + std::to_string(colours) + " entries");
    }
    // The headers end with the colour table (all 256 colours for 8 bits unless it says fewer).
    const std::uint64_t paletteAt = kFileHeaderSize + kInfoHeaderSize;
    const std::uint64_t paletteSize = bits == 8 && colours == 0 ? 256 : colours;
    const std::uint64_t headersEnd = paletteAt + 4 * paletteSize;
    const std::uint64_t dataAt = U32(b, 10);
    const auto height = static_cast<std::uint64_t>(std::abs(static_cast<std::int64_t>(rawHeight)));
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bits) + 31) / 32 * 4;
    if (dataAt < headersEnd) {
        return bad("the pixel data starts inside the header");
    }
    if (dataAt >= b.size()) {
        return bad("the pixel data starts at or past the end of the file");
    }
    if (stride * height > b.size() - dataAt) {
        return bad("the file ends before its picture does");
    }
    layout.Width = width;
    layout.Height = static_cast<int>(height);
    layout.TopDown = rawHeight < 0;
    layout.Bits = bits;
    layout.PaletteAt = static_cast<std::size_t>(paletteAt);
    layout.PaletteSize = bits == 8 ? static_cast<int>(paletteSize) : 0;
    layout.DataAt = static_cast<std::size_t>(dataAt);
    layout.Stride = static_cast<std::size_t>(stride);
    return true;
}

}  // namespace rq
