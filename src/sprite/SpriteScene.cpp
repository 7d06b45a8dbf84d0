// Composing the city scene in the back buffer, erasing the sprites and presenting one view.
#include "sprite/SpriteScene.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <tuple>

#include "base/Rounding.h"
#include "sprite/Blit.h"
#include "sprite/PixelRects.h"
#include "sprite/SceneBase.h"

namespace rq {
namespace {

bool SameRects(const std::vector<SceneRect>& a, const std::vector<SceneRect>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const SceneRect& p, const SceneRect& q) {
        return p.Left == q.Left && p.Top == q.Top && p.Width == q.Width && p.Height == q.Height;
    });
}

// Many changed blocks between two presents mean most of the scene moved: the view is copied whole.
constexpr std::size_t kMostPending = 512;

void NotePending(PresentCache& p, const PixelRect& r) {
    if (p.All || Empty(r)) {
        return;
    }
    if (p.Pending.size() >= kMostPending) {
        p.All = true;
        p.Pending.clear();
        return;
    }
    p.Pending.push_back(r);
}

std::size_t Offset(const Surface& s, int x, int y) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(s.Width) + static_cast<std::size_t>(x);
}

// Copies the rows of block r (back-buffer coordinates) that differ from the view, and notes the
// rows it copied as one block of the view.
void CopyChangedRows(const Surface& back, Surface& view, const PixelRect& r, int srcX, int srcY,
                     std::vector<PixelRect>& changed) {
    const auto bytes = static_cast<std::size_t>(r.Right - r.Left) * sizeof(std::uint32_t);
    int top = -1;
    int bottom = -1;
    for (int y = r.Top; y < r.Bottom; ++y) {
        const std::uint32_t* from = back.Pixels.data() + Offset(back, r.Left, y);
        std::uint32_t* to = view.Pixels.data() + Offset(view, r.Left - srcX, y - srcY);
        if (std::memcmp(from, to, bytes) != 0) {
            std::memcpy(to, from, bytes);
            top = top < 0 ? y : top;
            bottom = y + 1;
        }
    }
    if (top >= 0) {
        changed.push_back({r.Left - srcX, top - srcY, r.Right - srcX, bottom - srcY});
    }
}

void MarkDirty(SpriteEngine& e, const PixelRect& r) {
    // Stacked layers (the three skyline pieces) share one block; repaint it once.
    if (!Empty(r) && (e.Ground.Dirty.empty() || !Same(e.Ground.Dirty.back(), r))) {
        e.Ground.Dirty.push_back(r);
    }
}

}  // namespace

std::uint32_t GetSkyColor(double t) {
    const int minute = CInt(t / 3 / 60);
    // The game's own value of pi: it makes 18:00 come out a hair darker than 06:00.
    const double a = (minute * 360.0 / 1440.0 - 90.0) * 3.14159265359 / 180.0;
    const int v = CInt((std::sin(a) / 2 + 0.5) * 255);
    const auto c = static_cast<std::uint32_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
    return (c << 8) | c;
}

void SprComposeScene(SpriteEngine& e, double gameTime) {
    if (!e.Back.Exists()) {
        return;
    }
    // The station view gets a sky above the skyline layers and night-black below them down to
    // the track; the sky band is as high as the first skyline layer.
    const bool station = StationInView(e);
    const int skyHeight = e[kFirstScenerySlot].Height;
    const std::uint32_t sky = station ? GetSkyColor(gameTime) : 0;

    GroundCache& g = e.Ground;
    const bool same = g.Valid && g.Station == station && g.SkyHeight == skyHeight &&
                      g.BackgroundColour == e.BackgroundColour && g.WallColour == e.WallColour &&
                      g.TracksPixels == e.Tracks.Pixels.data() && g.TracksWidth == e.Tracks.Width &&
                      g.TracksHeight == e.Tracks.Height && SameRects(g.Rects, e.gSceneRects);
    g.Station = station;
    g.SkyHeight = skyHeight;
    const std::array<bool, kSpriteSlots> inBase = BaseSprites(e);
    if (same && BaseHolds(e, inBase)) {
        if (station && sky != g.SkyColour) {
            const PixelRect band = OnBack(e, kViewWidth, 0, kViewWidth, skyHeight);
            PaintBase(e, band, sky, inBase);
            MarkDirty(e, band);
        }
        for (const PixelRect& r : g.Dirty) {
            CopyFromBase(e, r);
            NotePending(e.Presented, r);
        }
    } else {
        // A new street, view or scenery: the base is painted again and the whole scene with it.
        e.Presented.All = true;
        e.Presented.Pending.clear();
        g.Rects = e.gSceneRects;
        g.BackgroundColour = e.BackgroundColour;
        g.WallColour = e.WallColour;
        g.TracksPixels = e.Tracks.Pixels.data();
        g.TracksWidth = e.Tracks.Width;
        g.TracksHeight = e.Tracks.Height;
        const PixelRect all = Block(0, 0, e.Back.Width, e.Back.Height);
        PaintBase(e, all, sky, inBase);
        CopyFromBase(e, all);
        g.Valid = true;
    }
    g.SkyColour = sky;
    g.Dirty.clear();

    for (std::size_t slot = 0; slot < e.gSprites.size(); ++slot) {
        Sprite& s = e.gSprites[slot];
        g.DrawnAt[slot] = PixelRect{};
        if (!s.Shown || g.InBase[slot]) {
            continue;
        }
        Blit(s.Save, 0, 0, s.Width, s.Height, e.Back, s.X, s.Y, RasterOp::Copy);
        BlitMasked(e.Back, s.X, s.Y, s.Width, s.Height, e.Mask, e.Sheet, s.SrcX, s.SrcY);
        g.DrawnAt[slot] = OnBack(e, s.X, s.Y, s.Width, s.Height);
        MarkDirty(e, g.DrawnAt[slot]);
        NotePending(e.Presented, g.DrawnAt[slot]);
    }
}

void SprEraseAll(SpriteEngine& e) {
    if (!e.Back.Exists()) {
        return;
    }
    // Usually each sprite is put back where it was drawn; one moved since is marked dirty at its
    // new place so the next compose cleans it. The base's sprites stay: the base holds them.
    for (std::size_t slot = e.gSprites.size(); slot-- > 0;) {
        const Sprite& s = e.gSprites[slot];
        if (!s.Shown || e.Ground.InBase[slot]) {
            continue;
        }
        Blit(e.Back, s.X, s.Y, s.Width, s.Height, s.Save, 0, 0, RasterOp::Copy);
        const PixelRect here = OnBack(e, s.X, s.Y, s.Width, s.Height);
        if (!Same(here, e.Ground.DrawnAt[slot])) {
            MarkDirty(e, here);
        }
        NotePending(e.Presented, here);
    }
}

void SprPresent(SpriteEngine& e, Surface& view, int srcX, int srcY) {
    std::vector<PixelRect> changed;
    SprPresent(e, view, srcX, srcY, changed);
    // Nobody was told what changed: the next present that tells is of the whole view.
    e.Presented.Valid = false;
}

void SprPresent(SpriteEngine& e, Surface& view, int srcX, int srcY, std::vector<PixelRect>& changed) {
    changed.clear();
    if (!e.Back.Exists()) {
        return;
    }
    PresentCache& p = e.Presented;
    const bool fresh = !view.Exists() || view.Width != kViewWidth || view.Height != kViewHeight;
    if (fresh) {
        view = Surface(kViewWidth, kViewHeight);
    }
    if (fresh || !p.Valid || p.All || p.X != srcX || p.Y != srcY || p.View != view.Pixels.data()) {
        Blit(view, 0, 0, kViewWidth, kViewHeight, e.Back, srcX, srcY, RasterOp::Copy);
        changed.push_back({0, 0, kViewWidth, kViewHeight});
    } else {
        // A block drawn twice (a sprite that stood still is both where it was and where it is) is
        // looked at once.
        std::sort(p.Pending.begin(), p.Pending.end(), [](const PixelRect& a, const PixelRect& b) {
            return std::tie(a.Top, a.Left, a.Bottom, a.Right) < std::tie(b.Top, b.Left, b.Bottom, b.Right);
        });
        p.Pending.erase(std::unique(p.Pending.begin(), p.Pending.end(), Same), p.Pending.end());
        const PixelRect window =
            Intersect(Block(srcX, srcY, kViewWidth, kViewHeight), OnBack(e, 0, 0, e.Back.Width, e.Back.Height));
        for (const PixelRect& r : p.Pending) {
            const PixelRect block = Intersect(r, window);
            if (!Empty(block)) {
                CopyChangedRows(e.Back, view, block, srcX, srcY, changed);
            }
        }
    }
    p.Valid = true;
    p.All = false;
    p.X = srcX;
    p.Y = srcY;
    p.View = view.Pixels.data();
    p.Pending.clear();
}

}  // namespace rq
