// Block copies between surfaces with the four raster operations of the game, clipped the way GDI clips.
#pragma once

#include "sprite/Surface.h"

namespace rq {

enum class RasterOp {
    Copy,    // dst = src
    And,     // dst = dst AND src (masks)
    Invert,  // dst = dst XOR src (sprite images over their mask)
    Erase,   // dst = src AND NOT dst
};

// Copies the w × h block at (sx, sy) of src onto (x, y) of dst with op. Parts of the block that
// fall outside either surface are left out and the rest keeps its place, so a sprite half past an
// edge is drawn half. A block on a surface that does not exist, or with w or h of 0 or less, draws
// nothing. dst and src may be the same surface, even overlapping.
void Blit(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, RasterOp op);

// A sprite drawn through its mask in one pass: the same pixels as an And blit from mask followed
// by an Invert blit from image, both from (sx, sy). mask and image must be the same size.
void BlitMasked(Surface& dst, int x, int y, int w, int h, const Surface& mask, const Surface& image, int sx, int sy);

// Fills the w × h block at (x, y) of dst with one colour, clipped to dst: what a copy from a plain
// coloured picture box does.
void FillRect(Surface& dst, int x, int y, int w, int h, std::uint32_t colour);

}  // namespace rq
