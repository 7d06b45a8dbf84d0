// The frontend port: everything the game asks of its main window. The window implements it; tests
// use a fake that answers the questions and records what was shown.
#pragma once

#include "game/PlayerAction.h"
#include "scene/ScenePort.h"

namespace rq {

// What the window system says about the main window at this moment.
struct WindowState {
    bool Active = true;  // the main window is the active window and no modal dialog is open
    bool Minimized = false;
};

// On top of what the city scene asks (ScenePort), the shell asks these.
class Frontend : public ScenePort {
public:
    // The ticket window and the information panel: hidden by their OK buttons, by Escape while they
    // are open, and by a new game.
    virtual void HideTicketWindow() = 0;
    virtual void HideInfoPanel() = 0;

    // The game view painted black (a new game, the start of a journey).
    virtual void ClearGameView() = 0;

    // The busy (hourglass) mouse pointer while a new game is built, and the normal one again.
    virtual void SetBusyPointer(bool busy) = 0;

    // Whether the main window is the active window with no dialog open, and whether it is minimized.
    virtual WindowState CurrentWindowState() const = 0;

    // A replayed question: the next AskYesNo returns `yes` at once, without asking.
    virtual void AnswerNextQuestion(bool yes) = 0;

    // The panels show what the game holds after a replayed click; nothing to show without a window.
    virtual void RefreshPanels() {}

    // Who holds the input now (the demo's and the replay's notes); nothing to show without a window.
    virtual void ShowInputFrom(InputFrom) {}
};

}  // namespace rq
