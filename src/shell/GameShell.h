// The game shell's menu rules: pause, skipping to the next train, and whether the game may run now.
#pragma once

#include "game/Frontend.h"
#include "game/Game.h"

namespace rq {

// May the game run now: the one tick behind the splash window always may; otherwise not while
// paused, while another window is active or while the main window is minimized.
bool IsGameActive(const Shell& shell, const WindowState& window);

// "&Pause" ⇄ "Un&pause".
void TogglePause(Shell& shell);

// True if no citizen actor on screen is a fuzzy.
bool NoFuzzyInScene(const Game& game);

// "Skip To Next &Train": when no fuzzy is about, no train is in, the station is on screen, the
// player is in a city and on the street, moves the clock to one unit before the next train window.
// Returns whether the skip was allowed.
bool SkipToNextTrain(Game& game);

}  // namespace rq
