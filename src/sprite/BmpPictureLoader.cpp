// Decodes plain Windows bitmaps without Qt, after their headers have been checked against the file.
#include "sprite/BmpPictureLoader.h"

#include <vector>

#include "base/FileBytes.h"
#include "sprite/BmpLayout.h"

namespace rq {

bool DecodeBmp(std::span<const std::uint8_t> b, const std::string& name, Surface& out, std::string& error) {
    auto bad = [&](const std::string& why) {
        error = "Invalid picture: " + name + " (" + why + ")";
        return false;
    };
    BmpLayout l;
    std::string why;
    if (!ReadBmpLayout(b, l, why)) {
        return bad(why);
    }
    std::vector<std::uint32_t> palette;
    for (int i = 0; i < l.PaletteSize; ++i) {
        const std::size_t p = l.PaletteAt + 4u * static_cast<std::size_t>(i);
        palette.push_back(static_cast<std::uint32_t>(b[p + 2]) << 16 | static_cast<std::uint32_t>(b[p + 1]) << 8 |
                          b[p]);
    }
    const auto bytesPerPixel = static_cast<std::size_t>(l.Bits / 8);
    Surface s(l.Width, l.Height);
    for (int y = 0; y < l.Height; ++y) {
        const std::size_t row = l.DataAt + l.Stride * static_cast<std::size_t>(l.TopDown ? y : l.Height - 1 - y);
        for (int x = 0; x < l.Width; ++x) {
            const std::size_t p = row + static_cast<std::size_t>(x) * bytesPerPixel;
            std::uint32_t pixel = 0;
            if (l.Bits == 8) {
                if (b[p] >= palette.size()) {
                    return bad("a pixel outside the colour table");
                }
                pixel = palette[b[p]];
            } else {
                pixel = static_cast<std::uint32_t>(b[p + 2]) << 16 | static_cast<std::uint32_t>(b[p + 1]) << 8 | b[p];
            }
            s.At(x, y) = pixel;
        }
    }
    out = std::move(s);
    return true;
}

bool BmpPictureLoader::Load(const std::string& path, Surface& out, std::string& error) {
    std::string bytes;
    if (!ReadFileBytes(path, kMaxPictureBytes, bytes, error)) {
        return false;
    }
    return DecodeBmp({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, path, out, error);
}

}  // namespace rq
