// A 32-bit pixel buffer (0x00RRGGBB per pixel), the off-screen drawing surface of the sprite engine.
#pragma once

#include <cstdint>
#include <vector>

namespace rq {

struct Surface {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;  // row-major, Width × Height

    Surface() = default;
    Surface(int width, int height, std::uint32_t fill = 0)
        : Width(width),
          Height(height),
          Pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

    bool Exists() const { return Width > 0 && Height > 0; }
    void Release() {
        Width = 0;
        Height = 0;
        Pixels.clear();
        Pixels.shrink_to_fit();
    }
    std::uint32_t& At(int x, int y) {
        return Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) + static_cast<std::size_t>(x)];
    }
    std::uint32_t At(int x, int y) const {
        return Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) + static_cast<std::size_t>(x)];
    }
};

}  // namespace rq
