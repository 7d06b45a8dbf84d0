// Composing the city scene in the back buffer and presenting one view.
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

// Sorts the blocks and drops repeats, so that a block noted twice is looked at once.
void SortUnique(std::vector<PixelRect>& blocks) {
    std::sort(blocks.begin(), blocks.end(), [](const PixelRect& a, const PixelRect& b) {
        return std::tie(a.Top, a.Left, a.Bottom, a.Right) < std::tie(b.Top, b.Left, b.Bottom, b.Right);
    });
    blocks.erase(std::unique(blocks.begin(), blocks.end(), Same), blocks.end());
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

// The sprites a compose draws: the shown ones that are not in the base picture.
bool Drawable(const SpriteEngine& e, std::size_t slot) {
    return e.gSprites[slot].Shown && !e.Ground.InBase[slot];
}

// The part of the back buffer on screen. Only it is kept composed: the rest of the street is never
// shown until the view moves there, and then the compose takes that part whole. In a busy street most
// walkers are elsewhere, and repainting them tick after tick was most of the drawing's memory traffic.
PixelRect ViewWindow(const SpriteEngine& e) {
    return OnBack(e, e.ViewCol * kViewWidth, e.ViewRow * kViewHeight, kViewWidth, kViewHeight);
}

// The part of the view a sprite covers where it stands.
PixelRect PlaceInView(const SpriteEngine& e, const Sprite& s, const PixelRect& window) {
    return Intersect(Place(e, s), window);
}

// The blocks of the view to repaint from the base, and which sprites stay as they lie drawn.
// A sprite stays when it is drawn where it stands, showing the frame it shows, and no block that
// changes reaches it: then neither the base under it nor a sprite over or under it changes there,
// and the pixels it covers are already what drawing everything in slot order would give. Every
// other sprite is taken off (its old block repainted) and drawn again (its new block), and a block
// that changes makes every staying sprite it reaches change too, until none is left to reach.
void FindChanges(const SpriteEngine& e, const PixelRect& window, std::vector<PixelRect>& changed,
                 std::array<bool, kSpriteSlots>& stays) {
    const GroundCache& g = e.Ground;
    for (std::size_t slot = 0; slot < e.gSprites.size(); ++slot) {
        const Sprite& s = e.gSprites[slot];
        const bool drawable = Drawable(e, slot);
        stays[slot] = drawable && !Empty(g.DrawnAt[slot]) && SamePiece(PieceOf(s), g.Drawn[slot]);
        if (!stays[slot]) {
            if (!Empty(g.DrawnAt[slot])) {
                changed.push_back(g.DrawnAt[slot]);
            }
            const PixelRect now = drawable ? PlaceInView(e, s, window) : PixelRect{};
            if (!Empty(now)) {
                changed.push_back(now);
            }
        }
    }
    for (std::size_t looked = 0; looked < changed.size();) {
        const std::size_t end = changed.size();
        for (std::size_t slot = 0; slot < e.gSprites.size(); ++slot) {
            if (!stays[slot]) {
                continue;
            }
            const PixelRect& at = g.DrawnAt[slot];
            const bool reached = std::any_of(changed.begin() + static_cast<std::ptrdiff_t>(looked),
                                             changed.begin() + static_cast<std::ptrdiff_t>(end),
                                             [&at](const PixelRect& r) { return !Empty(Intersect(r, at)); });
            if (reached) {
                stays[slot] = false;
                changed.push_back(at);
            }
        }
        looked = end;
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
    const PixelRect window = ViewWindow(e);
    const std::array<bool, kSpriteSlots> inBase = BaseSprites(e);
    std::array<bool, kSpriteSlots> stays{};
    if (same && BaseHolds(e, inBase)) {
        std::vector<PixelRect> changed;
        if (!Same(g.Window, window)) {
            // Another part of the street comes into view: taken from the base whole, every sprite on it drawn.
            changed.push_back(window);
        } else {
            if (station && sky != g.SkyColour) {
                const PixelRect band = OnBack(e, kViewWidth, 0, kViewWidth, skyHeight);
                PaintBase(e, band, sky, inBase);
                changed.push_back(band);
            }
            FindChanges(e, window, changed, stays);
        }
        // A sprite drawn again where it stood gives the same block twice: taken off and drawn anew.
        SortUnique(changed);
        for (const PixelRect& r : changed) {
            const PixelRect inView = Intersect(r, window);
            CopyFromBase(e, inView);
            NotePending(e.Presented, inView);
        }
    } else {
        // A new street, view or scenery: the base is painted again and the view with it.
        e.Presented.All = true;
        e.Presented.Pending.clear();
        g.Rects = e.gSceneRects;
        g.BackgroundColour = e.BackgroundColour;
        g.WallColour = e.WallColour;
        g.TracksPixels = e.Tracks.Pixels.data();
        g.TracksWidth = e.Tracks.Width;
        g.TracksHeight = e.Tracks.Height;
        PaintBase(e, Block(0, 0, e.Back.Width, e.Back.Height), sky, inBase);
        CopyFromBase(e, window);
        g.Valid = true;
    }
    g.SkyColour = sky;
    g.Window = window;

    for (std::size_t slot = 0; slot < e.gSprites.size(); ++slot) {
        if (stays[slot]) {
            continue;
        }
        g.DrawnAt[slot] = PixelRect{};
        const Sprite& s = e.gSprites[slot];
        const PixelRect r = Drawable(e, slot) ? PlaceInView(e, s, window) : PixelRect{};
        if (Empty(r)) {
            continue;
        }
        // Clipped to the view, each pixel still lies where the whole sprite would put it.
        BlitMasked(e.Back, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top, e.Mask, e.Sheet, s.SrcX + (r.Left - s.X),
                   s.SrcY + (r.Top - s.Y));
        g.DrawnAt[slot] = r;
        g.Drawn[slot] = PieceOf(s);
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
        SortUnique(p.Pending);
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
