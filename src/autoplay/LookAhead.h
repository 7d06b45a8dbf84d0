// The autoplayer's look ahead among fuzzies: where a fuzzy is near, the keys it means to hold are
// played on in a scratch copy of the street (StreetCopy); when that copy shows a fuzzy's touch coming,
// it tries other plans (another direction held for a while before going on as it meant to, a crystal
// dropped in a fuzzy's way, two directions one after the other) and holds the one that keeps the
// figure untouched, aboard if it was boarding, and nearest its way.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "autoplay/StreetCopy.h"

namespace rq {

struct Game;

class LookAhead {
public:
    // The keys to hold for the next tick instead of `wanted`, the keys the errand chose.
    std::uint16_t KeepClear(const Game& game, std::uint16_t wanted);

    // How many ticks of the copy were played, for measuring.
    std::int64_t TicksPlayed() const { return ticks_; }

private:
    // Hold `first` for `hold` ticks, then `second` for `hold2` ticks, then the errand's keys.
    struct Plan {
        std::uint16_t First = 0;
        int Hold = 0;
        std::uint16_t Second = 0;
        int Hold2 = 0;
    };
    struct Outcome;
    Outcome Play(const Plan& plan, std::uint16_t then, int horizon, double cutoff, const Outcome* base,
                 std::vector<Poses>* record = nullptr);
    // The plan held was found clear a few ticks ago for the same errand's keys, and the street has
    // gone on just as the copy played it: its keys for this tick, with no need to play anything again.
    std::optional<std::uint16_t> StillClear(const Game& game, std::uint16_t wanted) const;
    // What is left of a plan after one tick of it.
    static Plan Advanced(const Plan& plan);

    StreetCopy copy_;
    std::int64_t ticks_ = 0;
    Plan plan_;         // the dodge under way: what is left of it
    int dropCost_ = 0;  // what a crystal dropped costs this tick
    int fuzzies_ = 0;   // the fuzzies in the street as it was taken
    // The last plan found clear: the plan, the errand's keys after it, the clock then, how far the
    // copy played it, and its walkers after each tick.
    Plan clearPlan_;
    std::uint16_t clearThen_ = 0;
    int clearClock_ = 0;
    int clearHorizon_ = 0;
    std::vector<Poses> clearPoses_;
};

}  // namespace rq
