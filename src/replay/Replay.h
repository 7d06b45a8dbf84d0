// Recording what the player does, and the input of a recording played again: the window's controls,
// a replay in the window and a replay without one reach the game through the same rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "game/Game.h"
#include "game/PlayerAction.h"
#include "replay/Recording.h"

namespace rq {

// While a recording is being made (--record): writes what the player just did, to apply before the
// next step. No effect otherwise.
void RecordAction(Game& game, const PlayerAction& action);

// After each step of a recorded game: the held input the step ran with, and the file kept flushed.
void RecordStep(Game& game);

// While no step runs (paused, a question open): what was written still reaches the file within a second.
void KeepRecordingFlushed(Game& game);

// The player quits: the state's check, when no action has come since the last step, and `end`.
// False when the file is not complete (none is made: true).
bool FinishRecording(Game& game);

// Where a replayed game left the recorded one: the step of the first check that differed, and its line.
struct ReplayDrift {
    std::int64_t Step = 0;
    int Line = 0;
};

// "FILE: the game differs from the recording at step N (line L)".
std::string DriftMessage(const std::string& file, const ReplayDrift& drift);

// A recording's input, step by step.
class RecordingInput : public InputSource {
public:
    explicit RecordingInput(const Recording& recording) : rec_(recording) {}

    // The entries of every step up to `step` not given yet, in file order; End once the recording's
    // `end` (or its last entry) is passed, or once a check differs from `game`'s state.
    StepInput InputFor(std::int64_t step, const Game& game);
    StepInput Next(std::int64_t step, const Game& game) override;
    InputFrom From() const override { return InputFrom::Recording; }

    // Passes over the entries of steps up to `step`, which a saved game has already taken in.
    void SkipThrough(std::int64_t step);

    // The first check the game did not pass, if any.
    const std::optional<ReplayDrift>& Drift() const { return drift_; }

private:
    const Recording& rec_;
    std::size_t next_ = 0;
    std::optional<ReplayDrift> drift_;
};

}  // namespace rq
