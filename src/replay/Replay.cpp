// Writing what the player does as it happens, and reading a recording back step by step.
#include "replay/Replay.h"

#include <chrono>

#include "game/StateHash.h"

namespace rq {

namespace {

// How often a recording checks the game's state: rare enough to cost nothing, often enough to name
// the stretch where a replay went its own way.
constexpr std::int64_t kCheckEvery = 64;

std::int64_t NowMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

void RecordAction(Game& game, const PlayerAction& action) {
    if (game.shell.Recorder == nullptr) {
        return;
    }
    RecordEntry e;
    e.Step = NextStep(game.shell);
    e.Kind = RecordEntry::Type::Action;
    e.Action = action;
    game.shell.Recorder->Write(e, NowMilliseconds());
}

void RecordStep(Game& game) {
    if (game.shell.Recorder == nullptr) {
        return;
    }
    const std::int64_t now = NowMilliseconds();
    // The step just run is the one its keys were applied before.
    game.shell.Recorder->Keys(game.shell.Steps, game.scene.InputBits, now);
    // Step 0 is the tick behind the splash window; the click on it changes the game after it.
    if (game.shell.Steps > 0 && game.shell.Steps % kCheckEvery == 0) {
        game.shell.Recorder->Check(NextStep(game.shell), StateHash(game), now);
    }
    game.shell.Recorder->Poll(now);
}

bool FinishRecording(Game& game) {
    RecordingWriter* recorder = game.shell.Recorder;
    if (recorder == nullptr) {
        return true;
    }
    // The check holds for the state before the actions taken since the last step, so it is left out
    // when there are some.
    const std::int64_t step = NextStep(game.shell);
    return recorder->Finish(step,
                            recorder->LastStep() < step ? std::optional<std::uint32_t>(StateHash(game)) : std::nullopt);
}

std::string DriftMessage(const std::string& file, const ReplayDrift& drift) {
    return file + ": the game differs from the recording at step " + std::to_string(drift.Step) + " (line " +
           std::to_string(drift.Line) + ")";
}

void KeepRecordingFlushed(Game& game) {
    if (game.shell.Recorder != nullptr) {
        game.shell.Recorder->Poll(NowMilliseconds());
    }
}

StepInput RecordingInput::InputFor(std::int64_t step, const Game& game) {
    StepInput input;
    while (next_ < rec_.Entries.size() && rec_.Entries[next_].Step <= step) {
        const RecordEntry& e = rec_.Entries[next_++];
        if (e.Kind == RecordEntry::Type::Keys) {
            input.Keys = e.Keys;
        } else if (e.Kind == RecordEntry::Type::Check) {
            // A check is written before the actions of its step; one after them (a file put
            // together by hand) cannot be compared here.
            if (input.Actions.empty() && StateHash(game) != e.Check) {
                drift_ = ReplayDrift{e.Step, e.Line};
                next_ = rec_.Entries.size();
                return {std::nullopt, {}, true};
            }
        } else if (e.Kind == RecordEntry::Type::Action) {
            input.Actions.push_back(e.Action);
        } else {
            input.End = true;
            next_ = rec_.Entries.size();
        }
    }
    if (next_ >= rec_.Entries.size() && input.Actions.empty() && !input.Keys) {
        input.End = true;
    }
    return input;
}

StepInput RecordingInput::Next(std::int64_t step, const Game& game) {
    return InputFor(step, game);
}

void RecordingInput::SkipThrough(std::int64_t step) {
    while (next_ < rec_.Entries.size() && rec_.Entries[next_].Step <= step &&
           rec_.Entries[next_].Kind != RecordEntry::Type::End) {
        ++next_;
    }
}

}  // namespace rq
