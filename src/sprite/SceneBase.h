// The street's base picture: what lies under the sprites, with the still scenery pieces (ticket office,
// capitol, skyline layers) drawn on it once, so that a tick redraws only what moves.
#pragma once

#include <array>
#include <cstdint>

#include "sprite/SpriteEngine.h"

namespace rq {

// The part of the back buffer a sprite covers where it stands.
PixelRect Place(const SpriteEngine& e, const Sprite& s);
// Where a sprite stands and the frame it shows.
SpritePiece PieceOf(const Sprite& s);
bool SamePiece(const SpritePiece& a, const SpritePiece& b);

// The street, the track strip, the walls and in the station view the black band and the sky band,
// painted into dst in the game's order but only within clip.
void PaintGround(Surface& dst, const SpriteEngine& e, const PixelRect& clip, std::uint32_t sky);

// The shown sprites that can lie in the base now: the scenery pieces that do not animate, and only
// those with nothing outside the base drawn under them (a crystal or a train of a lower slot). Every
// pixel then sees the base's sprites before all others, so drawing the rest over the base gives the
// same picture as drawing everything in slot order.
std::array<bool, kSpriteSlots> BaseSprites(const SpriteEngine& e);

// The base was built from these sprites, each still where it was and showing the same frame.
bool BaseHolds(const SpriteEngine& e, const std::array<bool, kSpriteSlots>& inBase);

// Paints the base within clip: the ground, then the base's sprites in slot order, and notes the
// sprites' places for BaseHolds. The base is made the size of the back buffer when it is not.
void PaintBase(SpriteEngine& e, const PixelRect& clip, std::uint32_t sky, const std::array<bool, kSpriteSlots>& inBase);

// Copies a block of the base into the back buffer.
void CopyFromBase(SpriteEngine& e, const PixelRect& r);

}  // namespace rq
