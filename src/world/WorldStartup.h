// The world at start-up: the steps of the game's start that build the world, shared by the game and its commands.
#pragma once

#include <cstdint>

#include "sprite/SpriteEngine.h"
#include "world/World.h"

namespace rq {

// The first steps of start-up: seeds the generator, hands out the starting crystals and sets day 1. The
// game takes them before its main window loads, so that the window's first count shows the 10.
void BeginWorld(World& w, std::uint64_t seed);

// The starting crystals, at start-up and for a new game: 4 for every citizen, 10 for the player.
void HandOutStartingCrystals(World& w);

// The world's build, after the pictures are loaded: the cities, links and citizens, the fuzzbomb and
// the start city (PlaceFuzzbombAndStartCity), the player queued on a slot-1 train towards the start
// city and the trains run for three hours (WarmUpTrains). GameTime is left at 0.
void BuildWorld(World& w, SpriteEngine& spr);

// The whole world start-up, BeginWorld then BuildWorld (the commands and the tests).
void StartWorld(World& w, SpriteEngine& spr, std::uint64_t seed);

// Chooses FuzzbombCity (no hub within two hops) and the start city CurCity (IsGoodStartCity), then
// fuzzes the fuzzbomb city and every city within two train hops of it. A new game does the same.
void PlaceFuzzbombAndStartCity(World& w);

}  // namespace rq
