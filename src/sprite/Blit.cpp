// Block copies between surfaces: clip to both surfaces once, then run a tight loop per row.
#include "sprite/Blit.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace rq {
namespace {

std::size_t Index(const Surface& s, int x, int y) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(s.Width) + static_cast<std::size_t>(x);
}

// Shrinks the block so that it lies inside both surfaces; false when nothing is left.
bool Clip(const Surface& dst, int& x, int& y, int& w, int& h, const Surface& src, int& sx, int& sy) {
    if (!dst.Exists() || !src.Exists() || w <= 0 || h <= 0) {
        return false;
    }
    // Work in 64 bits so that extreme positions cannot overflow while clipping.
    long long dx = x, dy = y, ssx = sx, ssy = sy, ww = w, hh = h;
    const long long leftCut = std::max({0LL, -dx, -ssx});
    dx += leftCut;
    ssx += leftCut;
    ww -= leftCut;
    const long long topCut = std::max({0LL, -dy, -ssy});
    dy += topCut;
    ssy += topCut;
    hh -= topCut;
    ww = std::min({ww, static_cast<long long>(dst.Width) - dx, static_cast<long long>(src.Width) - ssx});
    hh = std::min({hh, static_cast<long long>(dst.Height) - dy, static_cast<long long>(src.Height) - ssy});
    if (ww <= 0 || hh <= 0) {
        return false;
    }
    x = static_cast<int>(dx);
    y = static_cast<int>(dy);
    sx = static_cast<int>(ssx);
    sy = static_cast<int>(ssy);
    w = static_cast<int>(ww);
    h = static_cast<int>(hh);
    return true;
}

template <typename Op>
void Rows(Surface& dst, int x, int y, int w, int h, const std::uint32_t* src, std::size_t srcStride, Op op) {
    const auto width = static_cast<std::size_t>(w);
    for (int row = 0; row < h; ++row) {
        std::uint32_t* d = dst.Pixels.data() + Index(dst, x, y + row);
        const std::uint32_t* s = src + static_cast<std::size_t>(row) * srcStride;
        for (std::size_t i = 0; i < width; ++i) {
            d[i] = op(d[i], s[i]);
        }
    }
}

// One row of a masked sprite: the mask keeps the ground, the image draws on it. The three rows lie in
// three different surfaces; eight pixels at a time the compiler makes it a few vector instructions.
void MaskRow(std::uint32_t* __restrict d, const std::uint32_t* __restrict m, const std::uint32_t* __restrict s,
             std::size_t width) {
    constexpr std::size_t kChunk = 8;
    std::size_t i = 0;
    for (; i + kChunk <= width; i += kChunk) {
        for (std::size_t k = 0; k < kChunk; ++k) {
            d[i + k] = (d[i + k] & m[i + k]) ^ s[i + k];
        }
    }
    for (; i < width; ++i) {
        d[i] = (d[i] & m[i]) ^ s[i];
    }
}

}  // namespace

void Blit(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, RasterOp op) {
    if (!Clip(dst, x, y, w, h, src, sx, sy)) {
        return;
    }
    const std::uint32_t* from = src.Pixels.data() + Index(src, sx, sy);
    auto stride = static_cast<std::size_t>(src.Width);

    // A block copied within one surface may overlap itself; take the source out first.
    std::vector<std::uint32_t> copy;
    if (&dst == &src && op != RasterOp::Copy) {
        copy.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
        for (int row = 0; row < h; ++row) {
            std::memcpy(copy.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(w),
                        from + static_cast<std::size_t>(row) * stride, static_cast<std::size_t>(w) * 4);
        }
        from = copy.data();
        stride = static_cast<std::size_t>(w);
    }

    switch (op) {
        case RasterOp::Copy: {
            const std::size_t bytes = static_cast<std::size_t>(w) * sizeof(std::uint32_t);
            if (&dst == &src && y > sy) {
                // Overlapping downward copy: walk the rows from the bottom.
                for (int row = h - 1; row >= 0; --row) {
                    std::memmove(dst.Pixels.data() + Index(dst, x, y + row),
                                 from + static_cast<std::size_t>(row) * stride, bytes);
                }
            } else {
                for (int row = 0; row < h; ++row) {
                    std::memmove(dst.Pixels.data() + Index(dst, x, y + row),
                                 from + static_cast<std::size_t>(row) * stride, bytes);
                }
            }
            break;
        }
        case RasterOp::And:
            Rows(dst, x, y, w, h, from, stride, [](std::uint32_t d, std::uint32_t s) { return d & s; });
            break;
        case RasterOp::Invert:
            Rows(dst, x, y, w, h, from, stride, [](std::uint32_t d, std::uint32_t s) { return d ^ s; });
            break;
        case RasterOp::Erase:
            Rows(dst, x, y, w, h, from, stride, [](std::uint32_t d, std::uint32_t s) { return s & ~d; });
            break;
    }
}

void BlitMasked(Surface& dst, int x, int y, int w, int h, const Surface& mask, const Surface& image, int sx, int sy) {
    if (mask.Width != image.Width || mask.Height != image.Height || &dst == &mask || &dst == &image) {
        Blit(dst, x, y, w, h, mask, sx, sy, RasterOp::And);
        Blit(dst, x, y, w, h, image, sx, sy, RasterOp::Invert);
        return;
    }
    if (!Clip(dst, x, y, w, h, mask, sx, sy)) {
        return;
    }
    const auto width = static_cast<std::size_t>(w);
    for (int row = 0; row < h; ++row) {
        MaskRow(dst.Pixels.data() + Index(dst, x, y + row), mask.Pixels.data() + Index(mask, sx, sy + row),
                image.Pixels.data() + Index(image, sx, sy + row), width);
    }
}

void FillRect(Surface& dst, int x, int y, int w, int h, std::uint32_t colour) {
    if (!dst.Exists() || w <= 0 || h <= 0) {
        return;
    }
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const long long right = std::min(static_cast<long long>(x) + w, static_cast<long long>(dst.Width));
    const long long bottom = std::min(static_cast<long long>(y) + h, static_cast<long long>(dst.Height));
    if (right <= left || bottom <= top) {
        return;
    }
    const auto width = static_cast<std::size_t>(right - left);
    for (int row = top; row < bottom; ++row) {
        std::uint32_t* d = dst.Pixels.data() + Index(dst, left, row);
        std::fill(d, d + width, colour);
    }
}

}  // namespace rq
