// The one door through which a player's actions reach the game, from the window, a replay, the
// autoplayer, the headless game and the tests alike: each action is recorded when a recording is
// made, then performed.
#pragma once

#include "game/PlayerAction.h"

namespace rq {

class Frontend;
class GameLoop;
struct Game;

// Records the action (when recording) and performs it, as the window's control would. A question it
// asks (a new game) is answered by the window, or by the answer the frontend was given ahead; the
// answer given is recorded after it. The held keys are recorded with each step that ran with them, not
// here. Switching the control mode needs a joystick and the live player's hands: a replay or a player
// without a window changes nothing by it. A panel's controls answer only while it is open.
void HandlePlayerAction(Game& game, Frontend& fe, GameLoop& loop, const PlayerAction& action);

// An action of the live player (keyboard, stick, mouse): it reaches the game only while the live
// player holds the input, not while a recording or the autoplayer plays.
void HandleLiveAction(Game& game, Frontend& fe, GameLoop& loop, const PlayerAction& action);

// A step's input from a source (a recording, a restless player, the autoplayer, a test): each action
// through the door, with the answer that follows it handed to its question, then the held keys.
void ApplyStepInput(Game& game, Frontend& fe, GameLoop& loop, const StepInput& input);

}  // namespace rq
