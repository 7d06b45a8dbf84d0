// The walls of a city's street and the track strip, by size class.
#pragma once

#include <cstdint>
#include <vector>

#include "sprite/SpriteEngine.h"

namespace rq {

// The scene rectangles of a city of size class 2..5: entry 0 unused, 1 the track strip, 2.. walls.
std::vector<SceneRect> SceneRectsForSize(std::int16_t size);

}  // namespace rq
