// Decodes plain Windows bitmaps without Qt, checking every size against the bytes at hand.
#include "sprite/BmpPictureLoader.h"

#include <fstream>
#include <iterator>

namespace rq {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

}  // namespace

bool DecodeBmp(const std::vector<std::uint8_t>& b, const std::string& name, Surface& out, std::string& error) {
    auto bad = [&](const std::string& why) {
        error = "Invalid picture: " + name + " (" + why + ")";
        return false;
    };
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
        return bad("not a Windows bitmap");
    }
    const std::uint32_t dataAt = U32(b, 10);
    const std::uint32_t headerSize = U32(b, 14);
    if (headerSize < 40 || 14u + headerSize > b.size()) {
        return bad("unsupported bitmap header");
    }
    const auto width = static_cast<std::int32_t>(U32(b, 18));
    const auto rawHeight = static_cast<std::int32_t>(U32(b, 22));
    const std::uint16_t bits = U16(b, 28);
    const std::uint32_t compression = U32(b, 30);
    std::uint32_t paletteSize = U32(b, 46);
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN || width > 32767 || rawHeight > 32767 ||
        rawHeight < -32767) {
        return bad("impossible size");
    }
    const bool topDown = rawHeight < 0;
    const int height = topDown ? -rawHeight : rawHeight;
    // BI_RGB, or BI_BITFIELDS for 32-bit pixels (taken as the usual 8-8-8 layout).
    if (!(compression == 0 || (compression == 3 && bits == 32)) || (bits != 8 && bits != 24 && bits != 32)) {
        return bad("only uncompressed 8, 24 or 32-bit bitmaps are read");
    }
    std::vector<std::uint32_t> palette;
    if (bits == 8) {
        if (paletteSize == 0) {
            paletteSize = 256;
        }
        const std::size_t paletteAt = 14u + headerSize;
        if (paletteSize > 256 || paletteAt + 4u * paletteSize > b.size()) {
            return bad("bad palette");
        }
        for (std::uint32_t i = 0; i < paletteSize; ++i) {
            const std::size_t p = paletteAt + 4u * i;
            palette.push_back(static_cast<std::uint32_t>(b[p + 2]) << 16 | static_cast<std::uint32_t>(b[p + 1]) << 8 |
                              b[p]);
        }
    }
    const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31u) / 32u * 4u;
    if (dataAt > b.size() || stride * static_cast<std::size_t>(height) > b.size() - dataAt) {
        return bad("the file is shorter than its pixels");
    }
    Surface s(width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = dataAt + stride * static_cast<std::size_t>(topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const auto ux = static_cast<std::size_t>(x);
            std::uint32_t pixel = 0;
            if (bits == 8) {
                const std::uint8_t index = b[row + ux];
                if (index >= palette.size()) {
                    return bad("a pixel outside the palette");
                }
                pixel = palette[index];
            } else {
                const std::size_t p = row + ux * (bits / 8u);
                pixel = static_cast<std::uint32_t>(b[p + 2]) << 16 | static_cast<std::uint32_t>(b[p + 1]) << 8 | b[p];
            }
            s.At(x, y) = pixel;
        }
    }
    out = std::move(s);
    return true;
}

bool BmpPictureLoader::Load(const std::string& path, Surface& out, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "File not found: " + path;
        return false;
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return DecodeBmp(bytes, path, out, error);
}

}  // namespace rq
