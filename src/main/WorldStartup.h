// The world at start-up: the steps of the game's start that build the world, shared by the game and its commands.
#pragma once

#include <cstdint>

#include "sprite/SpriteEngine.h"
#include "world/World.h"

namespace rq {

// Seeds the generator and builds the world as a new game finds it.
void StartWorld(World& w, SpriteEngine& spr, std::uint64_t seed);

}  // namespace rq
