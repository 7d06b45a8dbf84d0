// The world at start-up: the steps of the game's start that build the world, shared by the game and its commands.
#pragma once

#include <cstdint>

#include "sprite/SpriteEngine.h"
#include "world/World.h"

namespace rq {

// The whole world start-up, in the game's order: seeds the generator, gives the player 10 crystals
// and day 1, builds the cities, links and citizens, places the fuzzbomb and the start city
// (PlaceFuzzbombAndStartCity), queues the player on a slot-1 train towards the start city and runs
// the trains for three hours (WarmUpTrains). GameTime is left at 0.
void StartWorld(World& w, SpriteEngine& spr, std::uint64_t seed);

// Chooses FuzzbombCity (no hub within two hops) and the start city CurCity (IsGoodStartCity), then
// fuzzes the fuzzbomb city and every city within two train hops of it. A new game does the same.
void PlaceFuzzbombAndStartCity(World& w);

}  // namespace rq
