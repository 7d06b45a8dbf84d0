// The running sprite operations: show, hide, move, animate and the collision tests.
#include "sprite/SpriteDraw.h"

namespace rq {

bool Overlap(const SpriteBox& p, const SpriteBox& q) {
    return p.Right >= q.Left && p.Bottom >= q.Top && p.Left <= q.Right && p.Top <= q.Bottom;
}

namespace {

bool IsShown(const SpriteEngine& e, int slot) {
    const Sprite* s = SlotPtr(e, slot);
    return s != nullptr && s->Shown;
}

}  // namespace

SpriteBox NextBox(const Sprite& s) {
    const int vx = s.Blocked ? 0 : s.VX;
    const int vy = s.Blocked ? 0 : s.VY;
    const int left = s.X + vx;
    const int top = s.Y + vy;
    return {left, top, left + s.Width, top + s.Height};
}

Sprite* SlotPtr(SpriteEngine& e, int slot) {
    if (slot < 0 || slot >= kSpriteSlots) {
        return nullptr;
    }
    return &e.gSprites[static_cast<std::size_t>(slot)];
}

const Sprite* SlotPtr(const SpriteEngine& e, int slot) {
    if (slot < 0 || slot >= kSpriteSlots) {
        return nullptr;
    }
    return &e.gSprites[static_cast<std::size_t>(slot)];
}

SpriteFrame FrameAt(const SpriteEngine& e, int f) {
    if (f < 0 || static_cast<std::size_t>(f) >= e.gFrames.size()) {
        return {};
    }
    return e.gFrames[static_cast<std::size_t>(f)];
}

void SprShowAt(SpriteEngine& e, int slot, std::int16_t x, std::int16_t y) {
    Sprite* s = SlotPtr(e, slot);
    if (s == nullptr || !s->Created) {
        return;
    }
    s->X = x;
    s->Y = y;
    s->Shown = true;
}

void SprHide(SpriteEngine& e, int slot) {
    Sprite* s = SlotPtr(e, slot);
    if (s != nullptr && s->Shown) {
        s->Shown = false;
    }
}

void SprMoveBy(SpriteEngine& e, int slot, std::int16_t dx, std::int16_t dy) {
    Sprite* s = SlotPtr(e, slot);
    if (s == nullptr || !s->Shown || s->Blocked) {
        return;
    }
    s->X = static_cast<std::int16_t>(s->X + dx);
    s->Y = static_cast<std::int16_t>(s->Y + dy);
}

void SprAnimate(SpriteEngine& e) {
    for (int slot = 0; slot < kSpriteSlots; ++slot) {
        Sprite& s = e.gSprites[static_cast<std::size_t>(slot)];
        if (!s.Shown || !s.Animating) {
            continue;
        }
        s.DelayCount = static_cast<std::int16_t>(s.DelayCount - 1);
        if (s.DelayCount == 0) {
            s.DelayCount = s.FrameDelay;
            s.Frame = static_cast<std::int16_t>(s.Frame + 1);
            if (s.Frame > s.LastFrame) {
                s.Frame = s.FirstFrame;
            }
        }
        const SpriteFrame f = FrameAt(e, s.Frame);
        s.SrcX = f.SrcX;
        s.SrcY = f.SrcY;
        // A crystal grows once and then lies still.
        if (slot >= kFirstCrystalSlot && slot <= kLastCrystalSlot && s.Frame == s.LastFrame) {
            s.Animating = false;
        }
    }
}

bool iSprCollide(const SpriteEngine& e, int a, int b) {
    if (a == b || !IsShown(e, a) || !IsShown(e, b)) {
        return false;
    }
    return Overlap(NextBox(*SlotPtr(e, a)), NextBox(*SlotPtr(e, b)));
}

bool iSprHitsRect(const SpriteEngine& e, int slot, int rectIndex) {
    if (!IsShown(e, slot) || rectIndex < 0 || static_cast<std::size_t>(rectIndex) >= e.gSceneRects.size()) {
        return false;
    }
    const SceneRect& r = e.gSceneRects[static_cast<std::size_t>(rectIndex)];
    const SpriteBox rect{r.Left, r.Top, r.Left + r.Width, r.Top + r.Height};
    return Overlap(NextBox(*SlotPtr(e, slot)), rect);
}

std::int16_t iSprFindCollision(const SpriteEngine& e, int slot, int first, int last) {
    // Slots outside the table are never shown, so the range can be clamped to it.
    const int from = first < 0 ? 0 : first;
    const int to = last >= kSpriteSlots ? kSpriteSlots - 1 : last;
    for (int j = from; j <= to; ++j) {
        if (iSprCollide(e, slot, j)) {
            return static_cast<std::int16_t>(j);
        }
    }
    return 0;
}

}  // namespace rq
