// A check of a game's state, written into recordings and compared on replay, so that a replay that
// leaves the recorded game says at which step it did.
#pragma once

#include <cstdint>

#include "game/Game.h"

namespace rq {

// A 32-bit hash of what decides the game from here on: the world (the citizens' crystals, the cities'
// counts, the fuzzbomb, the clock and the random generator's position), the street (every sprite
// slot's place, speed, frame and citizen, the view) and the player's choice of train. Cheap enough to
// take every 64 steps; nothing a picture or the window holds goes into it.
std::uint32_t StateHash(const Game& game);

}  // namespace rq
