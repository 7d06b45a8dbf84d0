// The one door through which a player's actions reach the game, from the window, a replay, the
// headless game and the tests alike.
#pragma once

#include "game/PlayerAction.h"

namespace rq {

class Frontend;
class GameLoop;
struct Game;

// What one of the player's actions does, as the window's control would. A question it asks (a new
// game) is answered by the window, or by the answer the frontend was given. The stick's input is in
// the held keys, so switching the control mode changes nothing here. A panel's controls answer only
// while it is open.
void PerformPlayerAction(Game& game, Frontend& fe, GameLoop& loop, const PlayerAction& action);

// A step's input: each action, with the answer that follows it handed to its question, then the keys.
void ApplyStepInput(Game& game, Frontend& fe, GameLoop& loop, const StepInput& input);

}  // namespace rq
