// The walls of a city's street and the track strip, by size class.
#pragma once

#include <cstdint>
#include <vector>

#include "sprite/SpriteEngine.h"

namespace rq {

// The scene rectangles of a city of size class 2..5: entry 0 unused, 1 the track strip, 2.. walls.
std::vector<SceneRect> SceneRectsForSize(std::int16_t size);

// The scene rectangle the track strip is.
inline constexpr int kTrackRect = 1;

// The first scene rectangle (1 the track strip, 2.. the walls) that the sprite in `slot` meets on its
// next move, or 0 when it meets none.
int FirstSceneRectHit(const SpriteEngine& spr, int slot);

}  // namespace rq
