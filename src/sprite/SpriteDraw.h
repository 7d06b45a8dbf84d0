// The running sprite operations: show, hide, move, animate and the collision tests.
#pragma once

#include <cstdint>

#include "sprite/SpriteEngine.h"

namespace rq {

// The place a sprite takes after its next move; a Blocked sprite stays where it stands.
struct SpriteBox {
    int Left, Top, Right, Bottom;
};
SpriteBox NextBox(const Sprite& s);
// Do two boxes overlap? Touching edges count: the game compares with ≥ and ≤.
bool Overlap(const SpriteBox& p, const SpriteBox& q);

// Places the sprite at (x, y) and shows it; moves it if already shown. A slot that is not Created
// (or not a slot at all) is left alone.
void SprShowAt(SpriteEngine& e, int slot, std::int16_t x, std::int16_t y);

// Hides the sprite; nothing is redrawn until the next compose.
void SprHide(SpriteEngine& e, int slot);

// Moves a shown sprite that is not Blocked by (dx, dy), with the game's 16-bit arithmetic.
void SprMoveBy(SpriteEngine& e, int slot, std::int16_t dx, std::int16_t dy);

// Advances the frame counters of every shown, animating sprite. Crystals (slots 1..100) play
// their frames once and stop on the last one; every other animating slot loops.
void SprAnimate(SpriteEngine& e);

// Would shown sprites a and b overlap after their next move? Never for a = b. Boxes touching
// along an edge count as overlapping; a Blocked sprite is tested where it stands.
bool iSprCollide(const SpriteEngine& e, int a, int b);

// Would the shown sprite overlap scene rectangle rectIndex of gSceneRects after its next move?
bool iSprHitsRect(const SpriteEngine& e, int slot, int rectIndex);

// The first slot of first..last (ascending) that iSprCollide reports against slot, else 0.
std::int16_t iSprFindCollision(const SpriteEngine& e, int slot, int first, int last);

// The frame record f of gFrames, or an all-zero frame when f is not in the table.
SpriteFrame FrameAt(const SpriteEngine& e, int f);

// The sprite in slot, or nullptr when slot is not 0..134.
Sprite* SlotPtr(SpriteEngine& e, int slot);
const Sprite* SlotPtr(const SpriteEngine& e, int slot);

}  // namespace rq
