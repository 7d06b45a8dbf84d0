// The player's actions applied to the game: one home for the window's replay and the headless game.
#include "shell/PlayerInput.h"

#include "game/Frontend.h"
#include "panels/Panels.h"
#include "shell/GameLoop.h"
#include "shell/GameShell.h"
#include "shell/NewGame.h"

namespace rq {

namespace {

bool IsAnswer(const PlayerAction& a) {
    return a.Kind == PlayerActionKind::AnswerYes || a.Kind == PlayerActionKind::AnswerNo;
}

// The information panel's controls: a click on the map, its buttons and labels.
void PerformInfoAction(Game& g, const PlayerAction& a) {
    switch (a.Kind) {
        case PlayerActionKind::Map:
            MapClick(g, a.A * TPPX, a.B * TPPY);
            break;
        case PlayerActionKind::Zoom:
            cmdZoom_Click(g);
            break;
        case PlayerActionKind::Back:
            cmdBack_Click(g);
            break;
        case PlayerActionKind::Forward:
            cmdForward_Click(g);
            break;
        case PlayerActionKind::Dest:
            lblInfoTrainDest_Click(g, a.A);
            break;
        case PlayerActionKind::Legend:
            lblLegend_Click(g, a.A);
            break;
        default:
            break;
    }
}

}  // namespace

void PerformPlayerAction(Game& g, Frontend& fe, GameLoop& loop, const PlayerAction& a) {
    switch (a.Kind) {
        case PlayerActionKind::MenuNew:
            mnuNew_Click(g, fe, loop);
            break;
        case PlayerActionKind::MenuSkip:
            mnuSkipToTrain_Click(g);
            break;
        case PlayerActionKind::MenuPause:
            mnuPause_Click(g.shell);
            break;
        case PlayerActionKind::MenuSound:
            g.effects.SoundOn = !g.effects.SoundOn;
            break;
        case PlayerActionKind::MenuJoystick:
        case PlayerActionKind::MenuKeyboard:
        case PlayerActionKind::AnswerYes:
        case PlayerActionKind::AnswerNo:
            break;
        case PlayerActionKind::Ticket:
            if (fe.IsTicketWindowVisible()) {
                optTrain_Click(g, a.A);
            }
            break;
        case PlayerActionKind::OkTickets:
            if (fe.IsTicketWindowVisible()) {
                fe.HideTicketWindow();
                cmdExitTix_Click(g);
            }
            break;
        case PlayerActionKind::OkInfo:
            if (fe.IsInfoPanelVisible()) {
                fe.HideInfoPanel();
                cmdExitInfo_Click(g);
            }
            break;
        default:
            if (fe.IsInfoPanelVisible()) {
                PerformInfoAction(g, a);
            }
            break;
    }
    fe.SyncMenus();
    fe.RefreshPanels();
}

void ApplyStepInput(Game& g, Frontend& fe, GameLoop& loop, const StepInput& input) {
    const std::vector<PlayerAction>& actions = input.Actions;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        if (i + 1 < actions.size() && IsAnswer(actions[i + 1])) {
            fe.AnswerNextQuestion(actions[i + 1].Kind == PlayerActionKind::AnswerYes);
        }
        PerformPlayerAction(g, fe, loop, actions[i]);
    }
    if (input.Keys) {
        g.scene.InputBits = *input.Keys;
    }
}

}  // namespace rq
