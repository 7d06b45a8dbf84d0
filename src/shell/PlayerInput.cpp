// The one door: every player action is recorded when a recording is made, then performed.
#include "shell/PlayerInput.h"

#include "game/Frontend.h"
#include "panels/Panels.h"
#include "replay/Replay.h"
#include "scene/Joystick.h"
#include "shell/GameLoop.h"
#include "shell/GameShell.h"
#include "shell/NewGame.h"

namespace rq {

namespace {

bool IsAnswer(const PlayerAction& a) {
    return a.Kind == PlayerActionKind::AnswerYes || a.Kind == PlayerActionKind::AnswerNo;
}

// The information panel's controls: a click on the map or in its arrow, the scroll bars, its buttons
// and labels.
void PerformInfoAction(Game& g, const PlayerAction& a) {
    switch (a.Kind) {
        case PlayerActionKind::Map:
            MapClick(g, a.A * TPPX, a.B * TPPY);
            break;
        case PlayerActionKind::Pointer:
            PointerClick(g, a.A * TPPX, a.B * TPPY);
            break;
        case PlayerActionKind::Scroll:
            SetZoomScroll(g, a.A, a.B);
            break;
        case PlayerActionKind::Zoom:
            ToggleMapZoom(g);
            break;
        case PlayerActionKind::Back:
            HistoryBack(g);
            break;
        case PlayerActionKind::Forward:
            HistoryForward(g);
            break;
        case PlayerActionKind::Dest:
            ShowDestinationCity(g, a.A);
            break;
        case PlayerActionKind::Legend:
            ShowLegendCity(g, a.A);
            break;
        default:
            break;
    }
}

// The control mode follows the live player's choice; a replay's stick input is in its keys.
bool MaySwitchControl(const Game& g) {
    return g.shell.Input == InputFrom::Live && g.scene.Joystick != nullptr;
}

void Perform(Game& g, Frontend& fe, GameLoop& loop, const PlayerAction& a) {
    switch (a.Kind) {
        case PlayerActionKind::Keys:
            g.scene.InputBits = static_cast<std::uint16_t>(a.A);
            return;  // nothing on the menus or panels changes
        case PlayerActionKind::MenuNew: {
            const bool yes = AskNewGame(g, fe, loop);
            RecordAction(g, {yes ? PlayerActionKind::AnswerYes : PlayerActionKind::AnswerNo});
            break;
        }
        case PlayerActionKind::MenuSkip:
            SkipToNextTrain(g);
            break;
        case PlayerActionKind::MenuPause:
            TogglePause(g.shell);
            break;
        case PlayerActionKind::MenuSound:
            g.effects.SoundOn = !g.effects.SoundOn;
            break;
        case PlayerActionKind::MenuJoystick:
            if (MaySwitchControl(g)) {
                SwitchToJoystick(g.scene, fe);
            }
            break;
        case PlayerActionKind::MenuKeyboard:
            if (MaySwitchControl(g)) {
                SwitchToKeyboard(g.scene);
            }
            break;
        case PlayerActionKind::AnswerYes:
        case PlayerActionKind::AnswerNo:
            break;  // handed to the question of the action before it
        case PlayerActionKind::Ticket:
            if (g.panels.TicketsOpen) {
                ChooseTicketRow(g, a.A);
            }
            break;
        case PlayerActionKind::OkTickets:
            if (g.panels.TicketsOpen) {
                g.panels.TicketsOpen = false;
                CloseTicketWindow(g);
            }
            break;
        case PlayerActionKind::OkInfo:
            if (g.panels.InfoOpen) {
                g.panels.InfoOpen = false;
                CloseInfoPanel(g);
            }
            break;
        default:
            if (g.panels.InfoOpen) {
                PerformInfoAction(g, a);
            }
            break;
    }
    fe.SyncMenus();
    fe.RefreshPanels();
}

}  // namespace

void HandlePlayerAction(Game& g, Frontend& fe, GameLoop& loop, const PlayerAction& a) {
    if (a.Kind != PlayerActionKind::Keys && !IsAnswer(a)) {
        RecordAction(g, a);
    }
    Perform(g, fe, loop, a);
}

void HandleLiveAction(Game& g, Frontend& fe, GameLoop& loop, const PlayerAction& a) {
    if (g.shell.Input == InputFrom::Live) {
        HandlePlayerAction(g, fe, loop, a);
    }
}

void ApplyStepInput(Game& g, Frontend& fe, GameLoop& loop, const StepInput& input) {
    const std::vector<PlayerAction>& actions = input.Actions;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        if (i + 1 < actions.size() && IsAnswer(actions[i + 1])) {
            fe.AnswerNextQuestion(actions[i + 1].Kind == PlayerActionKind::AnswerYes);
        }
        HandlePlayerAction(g, fe, loop, actions[i]);
    }
    if (input.Keys) {
        HandlePlayerAction(g, fe, loop, {PlayerActionKind::Keys, *input.Keys});
    }
}

}  // namespace rq
