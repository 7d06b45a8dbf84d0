// A new game in the running program: the Game menu's "&New".
#pragma once

#include <cstdint>

#include "game/Frontend.h"
#include "game/Game.h"
#include "shell/GameLoop.h"

namespace rq {

// The lowest-numbered city with no citizens, 0 when every city has some.
std::int16_t FirstEmptyCity(const World& w);

// Asks "Are you sure you want to start a new game?"; any answer but Yes changes nothing. After Yes,
// StartNewGame. Returns whether a new game began.
bool AskNewGame(Game& game, Frontend& fe, GameLoop& loop);

// The street is cleared, every citizen holds 4 crystals again and the player 10, no city is left
// empty, a new fuzzbomb and start city are chosen and the fuzz spread as at start-up, the player
// rides the train about to arrive at the start city, and the loop runs again in the city phase just
// before midnight of day 1. A journey under way stops where it is; a train standing after its
// riders were handed over lets the trains move on first.
void StartNewGame(Game& game, Frontend& fe, GameLoop& loop);

}  // namespace rq
