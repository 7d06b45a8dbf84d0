// Recording what the player does, and the input of a recording played again: the window's controls,
// a replay in the window and a replay without one reach the game through the same rules.
#pragma once

#include <cstddef>
#include <cstdint>

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

// A recording's input, step by step.
class RecordingInput : public InputSource {
public:
    explicit RecordingInput(const Recording& recording) : rec_(recording) {}

    // The entries of every step up to `step` not given yet, in file order; End once the recording's
    // `end` (or its last entry) is passed.
    StepInput InputFor(std::int64_t step);
    StepInput Next(std::int64_t step, const HeadlessGame& game) override;

    // Passes over the entries of steps up to `step`, which a saved game has already taken in.
    void SkipThrough(std::int64_t step);

    // The recording ends before `step` would run: its `end` is at that step or earlier.
    bool EndsBy(std::int64_t step) const;

private:
    const Recording& rec_;
    std::size_t next_ = 0;
};

}  // namespace rq
