// The street's base picture: the ground and the still scenery pieces, painted once per street.
#include "sprite/SceneBase.h"

#include <cstring>

#include "sprite/Blit.h"
#include "sprite/PixelRects.h"

namespace rq {
namespace {

SceneRect RectAt(const SpriteEngine& e, std::size_t i) {
    return i < e.gSceneRects.size() ? e.gSceneRects[i] : SceneRect{};
}

// A plain-coloured block, only within clip.
void FillClipped(Surface& dst, const PixelRect& block, const PixelRect& clip, std::uint32_t colour) {
    const PixelRect r = Intersect(block, clip);
    if (!Empty(r)) {
        FillRect(dst, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top, colour);
    }
}

// The scenery pieces that stand still for a whole street.
bool StillScenery(int slot, const Sprite& s) {
    return slot >= kTicketOfficeSlot && slot <= kLastScenerySlot && !s.Animating;
}

}  // namespace

PixelRect Place(const SpriteEngine& e, const Sprite& s) {
    return OnBack(e, s.X, s.Y, s.Width, s.Height);
}

SpritePiece PieceOf(const Sprite& s) {
    return {s.X, s.Y, s.SrcX, s.SrcY, s.Width, s.Height};
}

bool SamePiece(const SpritePiece& a, const SpritePiece& b) {
    return a.X == b.X && a.Y == b.Y && a.SrcX == b.SrcX && a.SrcY == b.SrcY && a.Width == b.Width &&
           a.Height == b.Height;
}

void PaintGround(Surface& dst, const SpriteEngine& e, const PixelRect& clip, std::uint32_t sky) {
    FillClipped(dst, Block(0, 0, kBackgroundWidth, kBackgroundHeight), clip, e.BackgroundColour);

    const SceneRect track = RectAt(e, 1);
    const PixelRect t = Intersect(Block(track.Left, track.Top, track.Width, track.Height), clip);
    if (!Empty(t)) {
        Blit(dst, t.Left, t.Top, t.Right - t.Left, t.Bottom - t.Top, e.Tracks, t.Left - track.Left, t.Top - track.Top,
             RasterOp::Copy);
    }
    for (std::size_t i = 2; i < e.gSceneRects.size(); ++i) {
        const SceneRect& r = e.gSceneRects[i];
        FillClipped(dst, Block(r.Left, r.Top, r.Width, r.Height), clip, e.WallColour);
    }
    if (e.Ground.Station) {
        const int s = e.Ground.SkyHeight;
        FillClipped(dst, Block(kViewWidth, s, kViewWidth, track.Top - s), clip, 0);
        FillClipped(dst, Block(kViewWidth, 0, kViewWidth, s), clip, sky);
    }
}

std::array<bool, kSpriteSlots> BaseSprites(const SpriteEngine& e) {
    std::array<bool, kSpriteSlots> in{};
    for (int slot = kTicketOfficeSlot; slot <= kLastScenerySlot; ++slot) {
        const Sprite& s = e.gSprites[static_cast<std::size_t>(slot)];
        const PixelRect place = Place(e, s);
        if (!s.Shown || !StillScenery(slot, s) || Empty(place)) {
            continue;
        }
        bool clear = true;
        for (int below = 0; below < slot && clear; ++below) {
            const Sprite& b = e.gSprites[static_cast<std::size_t>(below)];
            clear = !b.Shown || in[static_cast<std::size_t>(below)] || Empty(Intersect(Place(e, b), place));
        }
        in[static_cast<std::size_t>(slot)] = clear;
    }
    return in;
}

bool BaseHolds(const SpriteEngine& e, const std::array<bool, kSpriteSlots>& inBase) {
    if (inBase != e.Ground.InBase || e.Ground.Base.Width != e.Back.Width || e.Ground.Base.Height != e.Back.Height) {
        return false;
    }
    for (std::size_t slot = 0; slot < inBase.size(); ++slot) {
        if (inBase[slot] && !SamePiece(PieceOf(e.gSprites[slot]), e.Ground.BaseAt[slot])) {
            return false;
        }
    }
    return true;
}

void PaintBase(SpriteEngine& e, const PixelRect& clip, std::uint32_t sky,
               const std::array<bool, kSpriteSlots>& inBase) {
    GroundCache& g = e.Ground;
    if (g.Base.Width != e.Back.Width || g.Base.Height != e.Back.Height) {
        g.Base = Surface(e.Back.Width, e.Back.Height);
    }
    PaintGround(g.Base, e, clip, sky);
    g.InBase = inBase;
    for (std::size_t slot = 0; slot < inBase.size(); ++slot) {
        if (!inBase[slot]) {
            continue;
        }
        const Sprite& s = e.gSprites[slot];
        g.BaseAt[slot] = PieceOf(s);
        // Clipping keeps every pixel where the whole sprite would put it.
        const PixelRect r = Intersect(Place(e, s), clip);
        if (!Empty(r)) {
            BlitMasked(g.Base, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top, e.Mask, e.Sheet,
                       s.SrcX + (r.Left - s.X), s.SrcY + (r.Top - s.Y));
        }
    }
}

void CopyFromBase(SpriteEngine& e, const PixelRect& r) {
    const PixelRect c = Intersect(r, Block(0, 0, e.Back.Width, e.Back.Height));
    if (Empty(c)) {
        return;
    }
    const auto bytes = static_cast<std::size_t>(c.Right - c.Left) * sizeof(std::uint32_t);
    const auto stride = static_cast<std::size_t>(e.Back.Width);
    for (int y = c.Top; y < c.Bottom; ++y) {
        const std::size_t at = static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(c.Left);
        std::memcpy(e.Back.Pixels.data() + at, e.Ground.Base.Pixels.data() + at, bytes);
    }
}

}  // namespace rq
