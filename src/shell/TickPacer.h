// Turns measured time into game ticks at 64 a second, at most two a wake and never a burst of catch-up.
#pragma once

#include <cstdint>

namespace rq {

class TickPacer {
public:
    static constexpr std::int64_t kTickNanoseconds = 15'625'000;  // 1/64 s, the rate the game was tuned on
    static constexpr int kMaxTicksPerWake = 2;

    // Starts counting afresh from `now` (after a pause, inactivity or a dialog): time that passed
    // while the game was held never turns into ticks.
    void Restart(std::int64_t nowNanoseconds) {
        last_ = nowNanoseconds;
        owed_ = 0;
    }

    // How many ticks to run at `now`. A machine that falls behind drops the backlog instead of
    // racing to catch up.
    int TicksDue(std::int64_t nowNanoseconds);

    // How long from `now` until the next tick is due (0 if one is due already): the loop sleeps
    // that long instead of polling.
    std::int64_t NanosecondsUntilDue(std::int64_t nowNanoseconds) const;

private:
    std::int64_t last_ = 0;
    std::int64_t owed_ = 0;
};

}  // namespace rq
