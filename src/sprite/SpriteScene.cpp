// Composing the city scene in the back buffer, erasing the sprites and presenting one view.
#include "sprite/SpriteScene.h"

#include <cmath>

#include "base/Rounding.h"
#include "sprite/Blit.h"

namespace rq {
namespace {

SceneRect RectAt(const SpriteEngine& e, std::size_t i) { return i < e.gSceneRects.size() ? e.gSceneRects[i] : SceneRect{}; }

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
    FillRect(e.Back, 0, 0, kBackgroundWidth, kBackgroundHeight, e.BackgroundColour);

    const SceneRect track = RectAt(e, 1);
    Blit(e.Back, track.Left, track.Top, track.Width, track.Height, e.Tracks, 0, 0, RasterOp::Copy);

    for (std::size_t i = 2; i < e.gSceneRects.size(); ++i) {
        const SceneRect& r = e.gSceneRects[i];
        FillRect(e.Back, r.Left, r.Top, r.Width, r.Height, e.WallColour);
    }

    // The station view gets a sky above the skyline layers and night-black below them down to
    // the track; the sky band is as high as the first skyline layer.
    if (e.ViewCol == 1 && e.ViewRow == 0) {
        const int sky = e[kFirstScenerySlot].Height;
        FillRect(e.Back, kViewWidth, sky, kViewWidth, track.Top - sky, 0);
        FillRect(e.Back, kViewWidth, 0, kViewWidth, sky, GetSkyColor(gameTime));
    }

    for (Sprite& s : e.gSprites) {
        if (!s.Shown) {
            continue;
        }
        Blit(s.Save, 0, 0, s.Width, s.Height, e.Back, s.X, s.Y, RasterOp::Copy);
        Blit(e.Back, s.X, s.Y, s.Width, s.Height, e.Mask, s.SrcX, s.SrcY, RasterOp::And);
        Blit(e.Back, s.X, s.Y, s.Width, s.Height, e.Sheet, s.SrcX, s.SrcY, RasterOp::Invert);
    }
}

void SprEraseAll(SpriteEngine& e) {
    if (!e.Back.Exists()) {
        return;
    }
    for (auto it = e.gSprites.rbegin(); it != e.gSprites.rend(); ++it) {
        if (it->Shown) {
            Blit(e.Back, it->X, it->Y, it->Width, it->Height, it->Save, 0, 0, RasterOp::Copy);
        }
    }
}

void SprPresent(const SpriteEngine& e, Surface& view, int srcX, int srcY) {
    if (!e.Back.Exists()) {
        return;
    }
    if (!view.Exists()) {
        view = Surface(kViewWidth, kViewHeight);
    }
    Blit(view, 0, 0, kViewWidth, kViewHeight, e.Back, srcX, srcY, RasterOp::Copy);
}

void SprBuildTrackStrip(SpriteEngine& e) {
    if (!e.Track.Exists()) {
        e.Tracks.Release();
        return;
    }
    e.Tracks = Surface(kViewWidth, e.Track.Height);
    const int n = kViewWidth / e.Track.Width;
    for (int i = 0; i <= n; ++i) {
        Blit(e.Tracks, i * e.Track.Width, 0, e.Track.Width, e.Track.Height, e.Track, 0, 0, RasterOp::Copy);
    }
}

}  // namespace rq
