// The frontend port: everything the game asks of its main window. The window implements it; tests
// use a fake that answers the questions and records what was shown.
#pragma once

#include <string>

#include "main/GameShell.h"
#include "scene/ScenePort.h"

namespace rq {

// On top of what the city scene asks (status bar, banner, panels, journey display, the view and the
// message boxes of ScenePort), the shell asks these.
class Frontend : public ScenePort {
public:
    // The ticket window and the information panel: hidden by their OK buttons, by Escape while they
    // are open, and by a new game.
    virtual void HideTicketWindow() = 0;
    virtual bool IsTicketWindowVisible() const = 0;
    virtual void HideInfoPanel() = 0;

    // In a capital whose information the open panel shows, shows that information again.
    virtual void RefreshInfoForCurrentCity() = 0;

    // The game view painted black (a new game, the start of a journey).
    virtual void ClearGameView() = 0;

    // The Game menu follows the shell: the Pause caption, which control-mode entry shows, the Sound check.
    virtual void SyncMenus() = 0;

    // Whether the main window is the active window with no dialog open, and whether it is minimized.
    virtual WindowState CurrentWindowState() const = 0;
};

}  // namespace rq
