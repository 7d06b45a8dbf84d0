// Recording what the player does, and doing it again from a recording: the window's controls and
// a replay reach the game through the same rules.
#pragma once

#include <cstddef>
#include <cstdint>

#include "main/Frontend.h"
#include "main/Game.h"
#include "main/GameLoop.h"
#include "main/Recording.h"

namespace rq {

// While a recording is being made (--record): writes what the player just did, to apply before the
// next step. No effect otherwise.
void RecordAction(Game& game, RecordEntry entry);

// After each step of a recorded game: the held input the step used, and the file kept flushed.
void RecordStep(Game& game);

// A recording being played back.
class ReplayCursor {
public:
    explicit ReplayCursor(const Recording& recording) : rec_(recording) {}

    // Before step `step` runs: applies the entries of every step up to it, in file order, then holds
    // the recorded input.
    void ApplyUpTo(std::int64_t step, Game& game, Frontend& fe, GameLoop& loop);

    // The recording ends before `step` would run: its `end` is at that step or earlier.
    bool EndsBy(std::int64_t step) const;

private:
    void Apply(const RecordEntry& e, Game& game, Frontend& fe, GameLoop& loop);

    const Recording& rec_;
    std::size_t next_ = 0;
    std::uint16_t keys_ = 0;
    bool newGameAsked_ = false;
};

}  // namespace rq
