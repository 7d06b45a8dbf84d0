// Writing what the player does as it happens, and reading a recording back step by step.
#include "replay/Replay.h"

#include <chrono>

namespace rq {

namespace {

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
    e.Step = game.shell.Steps + 1;
    e.Kind = RecordEntry::Type::Action;
    e.Action = action;
    game.shell.Recorder->Write(e, NowMilliseconds());
}

void RecordStep(Game& game) {
    if (game.shell.Recorder == nullptr) {
        return;
    }
    const std::int64_t now = NowMilliseconds();
    game.shell.Recorder->Keys(game.shell.Steps, game.scene.InputBits, now);
    game.shell.Recorder->Poll(now);
}

void KeepRecordingFlushed(Game& game) {
    if (game.shell.Recorder != nullptr) {
        game.shell.Recorder->Poll(NowMilliseconds());
    }
}

StepInput RecordingInput::InputFor(std::int64_t step) {
    StepInput input;
    while (next_ < rec_.Entries.size() && rec_.Entries[next_].Step <= step) {
        const RecordEntry& e = rec_.Entries[next_++];
        if (e.Kind == RecordEntry::Type::Keys) {
            input.Keys = e.Keys;
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

StepInput RecordingInput::Next(std::int64_t step, const HeadlessGame& /*game*/) {
    return InputFor(step);
}

void RecordingInput::SkipThrough(std::int64_t step) {
    while (next_ < rec_.Entries.size() && rec_.Entries[next_].Step <= step &&
           rec_.Entries[next_].Kind != RecordEntry::Type::End) {
        ++next_;
    }
}

bool RecordingInput::EndsBy(std::int64_t step) const {
    for (std::size_t i = next_; i < rec_.Entries.size() && rec_.Entries[i].Step <= step; ++i) {
        if (rec_.Entries[i].Kind == RecordEntry::Type::End) {
            return true;
        }
    }
    return next_ >= rec_.Entries.size();
}

}  // namespace rq
