// A 32-bit pixel buffer (0x00RRGGBB per pixel), the off-screen drawing surface of the sprite engine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace rq {

// Pixel memory. A street's back buffer and its base picture are 5.8 MB each, and every tick copies a
// few rows here and there between them: one 4 KiB page per row, so the cost is in the processor's page
// lookups rather than the bytes. Buffers of half a megabyte or more (the back buffer, the view, the
// sprite sheets) are laid out on large pages where the system offers them (Linux's transparent huge
// pages); smaller ones come from the heap as usual.
struct PixelMemory {
    static void* Take(std::size_t bytes);
    static void Give(void* p, std::size_t bytes) noexcept;
};

template <class T>
struct PixelAllocator {
    using value_type = T;
    PixelAllocator() = default;
    template <class U>
    explicit PixelAllocator(const PixelAllocator<U>& /*other*/) {}
    T* allocate(std::size_t n) { return static_cast<T*>(PixelMemory::Take(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { PixelMemory::Give(p, n * sizeof(T)); }
    friend bool operator==(const PixelAllocator&, const PixelAllocator&) { return true; }
};

struct Surface {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t, PixelAllocator<std::uint32_t>> Pixels;  // row-major, Width × Height

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
