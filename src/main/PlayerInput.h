// What a player does between two steps, for a game run without a window: the held keys and the
// clicks on menus, panels and questions. A recording, a restless player or a test gives it step by step.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace rq {

class HeadlessGame;

// One thing the player does besides holding keys, as the window would pass it to the game.
enum class PlayerActionKind : std::uint8_t {
    MenuNew,       // Game > New: asks the question, which the next action may answer
    MenuSkip,      // Game > Skip To Next Train
    MenuPause,     // Game > Pause / Unpause
    MenuSound,     // Game > Sound, switched over
    MenuJoystick,  // Game > Switch to Joystick (no joystick here: "Cannot detect the joystick!")
    MenuKeyboard,  // Game > Switch to Keyboard
    AnswerYes,     // the answer to the question the action before it asks
    AnswerNo,
    Ticket,     // a click on the ticket window's row of slot A (1..5)
    OkTickets,  // the ticket window's OK button (or Escape while it is open)
    OkInfo,     // the information panel's OK button (or Escape while it is open)
    Map,        // a click on the map that shows, at map pixel (A, B)
    Zoom,       // the information panel's Zoom button
    Back,       // its Back and Forward buttons
    Forward,
    Dest,    // a click on destination label A (1..5)
    Legend,  // a click on legend label A
};

struct PlayerAction {
    PlayerActionKind Kind = PlayerActionKind::OkTickets;
    int A = 0;
    int B = 0;
};

// The input for one step, applied before it runs: first the actions in order, then the held keys
// the step runs with.
struct StepInput {
    // The held InputBits from this step on (keyboard or joystick alike); none leaves them as the
    // game (or a new game) left them.
    std::optional<std::uint16_t> Keys;
    std::vector<PlayerAction> Actions;
    bool End = false;  // the input ends here: the run stops before this step
};

// Gives the input step by step. Step numbers count as Shell::Steps does: the first step after the
// splash click is 1. While the game is paused a step does not run and the same number is asked again.
class InputSource {
public:
    virtual ~InputSource() = default;
    // The input before step `step`, with the game as the player sees it now.
    virtual StepInput Next(std::int64_t step, const HeadlessGame& game) = 0;
};

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
