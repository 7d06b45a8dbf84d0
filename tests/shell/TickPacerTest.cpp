// The game loop's pacing: 64 ticks a second from measured time, no bursts, nothing owed after a hold.
#include <gtest/gtest.h>

#include "shell/TickPacer.h"

namespace rq {
namespace {

constexpr std::int64_t kTick = TickPacer::kTickNanoseconds;

TEST(TickPacer, SixtyFourTicksInASecondOfRegularWakesOrOfWakesExactlyWhenDue) {
    TickPacer pacer;
    pacer.Restart(0);
    int ticks = 0;
    for (std::int64_t t = 1'000'000; t <= 1'000'000'000; t += 1'000'000) {  // a wake every millisecond
        ticks += pacer.TicksDue(t);
    }
    EXPECT_EQ(ticks, 64);
    // Sleeping until the next tick wakes exactly when it is due.
    pacer.Restart(0);
    EXPECT_EQ(pacer.NanosecondsUntilDue(0), kTick);
    EXPECT_EQ(pacer.NanosecondsUntilDue(kTick / 4), kTick - kTick / 4);
    std::int64_t now = 0;
    ticks = 0;
    for (int wake = 0; wake < 64; ++wake) {
        now += pacer.NanosecondsUntilDue(now);
        ticks += pacer.TicksDue(now);
    }
    EXPECT_EQ(ticks, 64) << "one tick per wake, none lost";
    EXPECT_EQ(now, 64 * kTick);
    EXPECT_EQ(pacer.NanosecondsUntilDue(now + 3 * kTick), 0) << "a late wake is due at once";
}

// Late wakes catch up at most two ticks; a restart forgets the time the game was held; a clock going
// back gives no ticks.
TEST(TickPacer, LateWakesCatchUpAtMostTwoTicksAndNothingOfAHoldOrAClockGoingBackIsOwed) {
    TickPacer pacer;
    pacer.Restart(0);
    EXPECT_EQ(pacer.TicksDue(kTick - 1), 0);
    EXPECT_EQ(pacer.TicksDue(kTick), 1);
    EXPECT_EQ(pacer.TicksDue(kTick * 3), 2);
    EXPECT_EQ(pacer.TicksDue(kTick * 50), 2);  // a long stall is not paid back in a burst
    EXPECT_EQ(pacer.TicksDue(kTick * 50), 0);  // and nothing of it is still owed
    EXPECT_EQ(pacer.TicksDue(kTick * 51), 1);
    pacer.Restart(kTick * 1000);  // after a pause of many seconds
    EXPECT_EQ(pacer.TicksDue(kTick * 1000 + kTick / 2), 0);
    EXPECT_EQ(pacer.TicksDue(kTick * 1001), 1);
    EXPECT_EQ(pacer.TicksDue(kTick * 500), 0);
    EXPECT_EQ(pacer.TicksDue(kTick * 501), 1);
}

}  // namespace
}  // namespace rq
