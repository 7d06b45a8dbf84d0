// The world in a saved game: the clock, the citizens' crystals, every city's citizens, trains and queues.
#pragma once

#include "save/SaveJson.h"
#include "world/World.h"

namespace rq {

Json WorldToJson(const World& w);

// Reads the world's changing parts into `w`, whose city table (names, sizes, map places) start-up
// built; a fault for a value out of its range. The generator is read with the game (SavedGame).
void WorldFromJson(const Field& in, World& w);

}  // namespace rq
