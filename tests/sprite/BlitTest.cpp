// Block copies: the four raster operations pixel by pixel, and clipping at every edge of both surfaces.
#include <gtest/gtest.h>

#include <utility>

#include "sprite/Blit.h"

namespace rq {
namespace {

// A surface whose pixel (x, y) holds a value that names its place: 0x00YYXX + base.
Surface Numbered(int w, int h, std::uint32_t base = 0x010000u) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            s.At(x, y) = base + static_cast<std::uint32_t>(y * 256 + x);
        }
    }
    return s;
}

TEST(Blit, EachRasterOperationCombinesSourceAndDestinationAsGdiDoes) {
    const std::uint32_t d0 = 0x00F0F00Fu;
    const std::uint32_t s0 = 0x00FF0F33u;
    struct Case {
        RasterOp op;
        std::uint32_t expected;
    };
    for (const Case& c : {Case{RasterOp::Copy, s0}, Case{RasterOp::And, d0 & s0}, Case{RasterOp::Invert, d0 ^ s0},
                          Case{RasterOp::Erase, s0 & ~d0}}) {
        Surface dst(3, 2, d0);
        Surface src(3, 2, s0);
        Blit(dst, 1, 0, 1, 2, src, 0, 0, c.op);
        EXPECT_EQ(dst.At(1, 0), c.expected);
        EXPECT_EQ(dst.At(1, 1), c.expected);
        EXPECT_EQ(dst.At(0, 0), d0) << "pixels outside the block stay";
        EXPECT_EQ(dst.At(2, 1), d0);
    }
}

TEST(BlitMasked, GivesThePixelsOfAnAndThenAnInvertBlitAtEveryEdge) {
    Surface mask = Numbered(7, 6, 0x00F0F0F0u);
    Surface image = Numbered(7, 6, 0x00030303u);
    for (int x : {-5, -1, 0, 3, 8, 11}) {
        for (int y : {-4, 0, 2, 7, 9}) {
            for (int sx : {-2, 0, 1, 4}) {
                Surface fused = Numbered(12, 10, 0x00555555u);
                Surface twice = fused;
                BlitMasked(fused, x, y, 6, 5, mask, image, sx, 1);
                Blit(twice, x, y, 6, 5, mask, sx, 1, RasterOp::And);
                Blit(twice, x, y, 6, 5, image, sx, 1, RasterOp::Invert);
                ASSERT_EQ(fused.Pixels, twice.Pixels) << x << "," << y << " from " << sx;
            }
        }
    }
    // Sheets of different sizes fall back to two clipped blits.
    Surface small(3, 3, 0x00FFFFFFu);
    Surface a(4, 4, 0x00123456u);
    Surface b = a;
    BlitMasked(a, 0, 0, 4, 4, small, image, 0, 0);
    Blit(b, 0, 0, 4, 4, small, 0, 0, RasterOp::And);
    Blit(b, 0, 0, 4, 4, image, 0, 0, RasterOp::Invert);
    EXPECT_EQ(a.Pixels, b.Pixels);
}

// Wherever the block lands, a destination pixel changes exactly when it lies in the block and the
// source pixel it maps to exists on the source surface; every other pixel keeps its value.
TEST(Blit, ClipsAtEveryEdgeOfBothSurfacesKeepingTheRestInPlace) {
    const Surface src = Numbered(4, 3);
    for (int x : {-5, -3, 0, 2, 4, 6}) {
        for (int y : {-4, -2, 0, 3, 5}) {
            for (const auto& [sx, sy] : {std::pair{0, 0}, std::pair{1, -1}, std::pair{-2, 1}, std::pair{3, 2}}) {
                Surface dst(6, 5, 7);
                Blit(dst, x, y, 4, 4, src, sx, sy, RasterOp::Copy);
                for (int dy = 0; dy < 5; ++dy) {
                    for (int dx = 0; dx < 6; ++dx) {
                        const int u = dx - x + sx, v = dy - y + sy;
                        const bool inBlock = dx >= x && dx < x + 4 && dy >= y && dy < y + 4;
                        const bool onSource = u >= 0 && u < 4 && v >= 0 && v < 3;
                        ASSERT_EQ(dst.At(dx, dy), inBlock && onSource ? src.At(u, v) : 7u)
                            << "block at " << x << "," << y << " from " << sx << "," << sy << "; pixel " << dx << ","
                            << dy;
                    }
                }
            }
        }
    }
}

TEST(Blit, ABlockEntirelyOutsideOrEmptyDrawsNothingAndAFillIsClippedToo) {
    const Surface src = Numbered(4, 4);
    Surface dst(5, 5, 9);
    const Surface before = dst;
    Blit(dst, 1280, 0, 4, 4, src, 0, 0, RasterOp::Copy);
    Blit(dst, -4, 0, 4, 4, src, 0, 0, RasterOp::Copy);
    Blit(dst, 0, 5, 4, 4, src, 0, 0, RasterOp::Copy);
    Blit(dst, 0, -4, 4, 4, src, 0, 0, RasterOp::Copy);
    Blit(dst, 0, 0, 0, 4, src, 0, 0, RasterOp::Copy);
    Blit(dst, 0, 0, 4, -1, src, 0, 0, RasterOp::Copy);
    Blit(dst, 0, 0, 4, 4, src, 4, 0, RasterOp::Copy);
    Blit(dst, 0, 0, 4, 4, Surface{}, 0, 0, RasterOp::Copy);
    Blit(dst, 0, 0, 2'000'000'000, 2'000'000'000, src, -2'000'000'000, 0, RasterOp::Copy);
    EXPECT_EQ(dst.Pixels, before.Pixels);
    Surface none;
    Blit(none, 0, 0, 4, 4, src, 0, 0, RasterOp::Copy);
    EXPECT_FALSE(none.Exists());
    // A filled block is clipped the same way.
    Surface s(4, 3, 0);
    FillRect(s, -2, 1, 4, 9, 0x00ABCDEFu);
    EXPECT_EQ(s.At(0, 1), 0x00ABCDEFu);
    EXPECT_EQ(s.At(1, 2), 0x00ABCDEFu);
    EXPECT_EQ(s.At(2, 1), 0u);
    EXPECT_EQ(s.At(0, 0), 0u);
}

TEST(Blit, OverlappingCopiesWithinOneSurfaceMoveTheOriginalPixels) {
    Surface s = Numbered(6, 6);
    const Surface original = s;
    Blit(s, 1, 1, 4, 4, s, 0, 0, RasterOp::Copy);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(s.At(x + 1, y + 1), original.At(x, y));
        }
    }
    Surface t = Numbered(6, 6);
    Blit(t, 0, 0, 4, 4, t, 1, 1, RasterOp::Invert);
    EXPECT_EQ(t.At(1, 1), original.At(1, 1) ^ original.At(2, 2));
}

}  // namespace
}  // namespace rq
