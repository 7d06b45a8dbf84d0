// What a player does: the held keys and the clicks on menus, panels and questions, and the sources that
// give them step by step (a recording, a restless player, a test).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rq {

struct Game;

// Who gives the held input and the actions: one source at a time.
enum class InputFrom : std::uint8_t {
    Live,        // the player at the keyboard, stick and mouse (nobody in a run without a window)
    Recording,   // a recording played again: the live player's input is set aside
    Autoplayer,  // the autoplayer plays until the player takes over
    Restless,    // the restless player of a run without a window
    Script,      // input given step by step (a test's, or nobody's)
};

// One thing the player does besides holding keys, as the window would pass it to the game.
enum class PlayerActionKind : std::uint8_t {
    MenuNew,       // Game > New: asks the question, which the next action may answer
    MenuSkip,      // Game > Skip To Next Train
    MenuPause,     // Game > Pause / Unpause
    MenuSound,     // Game > Sound, switched over
    MenuJoystick,  // Game > Switch to Joystick
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
    Dest,     // a click on destination label A (1..5)
    Legend,   // a click on legend label A
    Pointer,  // a click inside the map's arrow, at pixel (A, B) of the arrow
    Scroll,   // the enlarged map's scroll bars moved to (A, B), twips from 0 down to their Max
    Keys,     // the held InputBits are now A (the keyboard or the stick)
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

// Gives the input step by step, asked before each step with its number (NextStep): the first step
// after the splash click is 1. While the game is paused a step does not run and the same number is
// asked again.
class InputSource {
public:
    virtual ~InputSource() = default;
    // Who it is, for the menus and the door.
    virtual InputFrom From() const { return InputFrom::Script; }
    // The input before step `step`, with the game as the player sees it now.
    virtual StepInput Next(std::int64_t step, const Game& game) = 0;
    // What the source adds to the summary line of a run without a window (none: nothing).
    virtual std::string SummaryNote() const { return {}; }
};

// A player who holds no key and clicks nothing.
class StillPlayer : public InputSource {
public:
    StepInput Next(std::int64_t, const Game&) override { return {}; }
};

}  // namespace rq
