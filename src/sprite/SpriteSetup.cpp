// Making and releasing the engine's surfaces and sprite slots, and the track strip made at start-up.
#include "sprite/SpriteSetup.h"

#include "sprite/Blit.h"
#include "sprite/SpriteDraw.h"

namespace rq {

bool iSprCreateBackBuffer(SpriteEngine& e, int width, int height) {
    if (e.Back.Exists() || width <= 0 || height <= 0) {
        return false;
    }
    e.Back = Surface(width, height);
    e.Ground = GroundCache{};
    // The game clears its fresh surface with an erase of itself onto itself; the result is black.
    Blit(e.Back, 0, 0, width, height, e.Back, 0, 0, RasterOp::Erase);
    return true;
}

bool iSprCreateSprite(SpriteEngine& e, const SpriteDef& def) {
    if (!e.Back.Exists() || def.Slot < 1 || def.Slot >= kSpriteSlots) {
        return false;
    }
    Sprite& s = e[def.Slot];
    if (s.Created || def.FirstFrame < 0 || static_cast<std::size_t>(def.FirstFrame) >= e.gFrames.size()) {
        return false;
    }
    const SpriteFrame f = FrameAt(e, def.FirstFrame);
    s.Created = true;
    s.Shown = false;
    s.X = 0;
    s.Y = 0;
    s.Width = f.Width;
    s.Height = f.Height;
    s.Frame = def.FirstFrame;
    s.SrcX = f.SrcX;
    s.SrcY = f.SrcY;
    s.FirstFrame = def.FirstFrame;
    s.LastFrame = def.LastFrame;
    s.Animating = def.Animating;
    s.FrameDelay = def.FrameDelay;
    s.DelayCount = def.FrameDelay;
    return true;
}

void SprDestroySprite(SpriteEngine& e, int slot) {
    Sprite* s = SlotPtr(e, slot);
    if (s == nullptr || !s->Created) {
        return;
    }
    s->Created = false;
    s->Shown = false;
}

void SprShutdown(SpriteEngine& e) {
    for (int slot = 0; slot < kSpriteSlots; ++slot) {
        SprDestroySprite(e, slot);
    }
    e.Sheet.Release();
    e.Mask.Release();
    e.Back.Release();
    e.Ground = GroundCache{};
    e.Presented = PresentCache{};
}

void SprBuildTrackStrip(SpriteEngine& e) {
    e.Ground.Valid = false;
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
