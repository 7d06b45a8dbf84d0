// What each recorded entry does to the game: the same rules the window's controls call.
#include "main/Replay.h"

#include <chrono>

#include "main/GameShell.h"
#include "main/NewGame.h"
#include "main/Panels.h"

namespace rq {

namespace {

std::int64_t NowMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

void RecordAction(Game& game, RecordEntry entry) {
    if (game.shell.Recorder == nullptr) {
        return;
    }
    entry.Step = game.shell.Steps + 1;
    game.shell.Recorder->Write(entry, NowMilliseconds());
}

void RecordStep(Game& game) {
    if (game.shell.Recorder == nullptr) {
        return;
    }
    const std::int64_t now = NowMilliseconds();
    game.shell.Recorder->Keys(game.shell.Steps, game.scene.InputBits, now);
    game.shell.Recorder->Poll(now);
}

void ReplayCursor::ApplyUpTo(std::int64_t step, Game& game, Frontend& fe, GameLoop& loop) {
    while (next_ < rec_.Entries.size() && rec_.Entries[next_].Step <= step) {
        Apply(rec_.Entries[next_++], game, fe, loop);
    }
    game.scene.InputBits = keys_;
}

bool ReplayCursor::EndsBy(std::int64_t step) const {
    for (std::size_t i = next_; i < rec_.Entries.size() && rec_.Entries[i].Step <= step; ++i) {
        if (rec_.Entries[i].Kind == EntryKind::End) {
            return true;
        }
    }
    return false;
}

void ReplayCursor::Apply(const RecordEntry& e, Game& game, Frontend& fe, GameLoop& loop) {
    const bool askedNewGame = newGameAsked_;
    newGameAsked_ = false;
    switch (e.Kind) {
        case EntryKind::Keys:
            keys_ = static_cast<std::uint16_t>(e.A);
            break;
        case EntryKind::Menu:
            if (e.Word == "new") {
                newGameAsked_ = true;
            } else if (e.Word == "skip") {
                mnuSkipToTrain_Click(game);
            } else if (e.Word == "pause") {
                mnuPause_Click(game.shell);
            } else if (e.Word == "sound") {
                game.effects.SoundOn = !game.effects.SoundOn;
            }
            // The stick's input is in the keys entries: switching the control changes nothing here.
            fe.SyncMenus();
            break;
        case EntryKind::Answer:
            if (askedNewGame && e.Word == "yes") {
                StartNewGame(game, fe, loop);
                keys_ = 0;
            }
            break;
        case EntryKind::Ticket:
            optTrain_Click(game, e.A);
            fe.RefreshTicketWindow();
            break;
        case EntryKind::Ok:
            if (e.Word == "tickets") {
                fe.HideTicketWindow();
                cmdExitTix_Click(game);
            } else {
                fe.HideInfoPanel();
                cmdExitInfo_Click(game);
            }
            break;
        case EntryKind::Map:
            MapClick(game, e.A * TPPX, e.B * TPPY);
            fe.RefreshMapAndInfo();
            break;
        case EntryKind::Zoom:
            cmdZoom_Click(game);
            fe.RefreshMapAndInfo();
            break;
        case EntryKind::Back:
            cmdBack_Click(game);
            fe.RefreshMapAndInfo();
            break;
        case EntryKind::Forward:
            cmdForward_Click(game);
            fe.RefreshMapAndInfo();
            break;
        case EntryKind::Dest:
            lblInfoTrainDest_Click(game, e.A);
            fe.RefreshMapAndInfo();
            break;
        case EntryKind::Legend:
            lblLegend_Click(game, e.A);
            fe.RefreshMapAndInfo();
            break;
        case EntryKind::End:
            break;
    }
}

}  // namespace rq
