// The game clock: its two text formats, the day rollover at midnight and the train slot of each window.
#include <gtest/gtest.h>

#include <memory>

#include "world/Clock.h"

namespace rq {
namespace {

class ClockTest : public ::testing::Test {
protected:
    std::string At(double gameTime, std::int16_t mode) {
        w->GameTime = gameTime;
        return FormatClockTime(*w, mode);
    }
    std::int16_t SlotAt(double gameTime) {
        w->GameTime = gameTime;
        return CurrentTrainSlot(*w);
    }

    std::unique_ptr<World> w = std::make_unique<World>();
};

TEST_F(ClockTest, MidnightShowsAsTwelveAm) {
    EXPECT_EQ(At(0, 0), "12:00:00 AM");
    EXPECT_EQ(At(0, 1), "12:00 AM");
    // One tick after midnight is still the same second.
    EXPECT_EQ(At(1, 0), "12:00:00 AM");
    EXPECT_EQ(At(2.999, 0), "12:00:00 AM");
    EXPECT_EQ(At(3, 0), "12:00:01 AM");
}

TEST_F(ClockTest, NoonAndAfternoonHours) {
    EXPECT_EQ(At(129600, 0), "12:00:00 PM");
    EXPECT_EQ(At(133200, 0), "12:20:00 PM");
    EXPECT_EQ(At(140400, 0), "1:00:00 PM");
    EXPECT_EQ(At(140400, 1), "1:00 PM");
    // 11:59:59 in the morning is still AM; the hour has no leading zero, minutes and seconds have.
    EXPECT_EQ(At(129597, 0), "11:59:59 AM");
    EXPECT_EQ(At(3 * (13 * 3600 + 5 * 60 + 9), 0), "1:05:09 PM");
    EXPECT_EQ(At(3 * (9 * 3600 + 7 * 60), 1), "9:07 AM");
}

TEST_F(ClockTest, OtherModesGiveAnEmptyText) {
    EXPECT_EQ(At(140400, 2), "");
    EXPECT_EQ(At(140400, -1), "");
}

TEST_F(ClockTest, LastSecondOfTheDayDoesNotRollOver) {
    w->DayNum = 4;
    EXPECT_EQ(At(259199, 0), "11:59:59 PM");
    EXPECT_DOUBLE_EQ(w->GameTime, 259199);
    EXPECT_EQ(w->DayNum, 4);
}

TEST_F(ClockTest, MidnightRollsOverAndDropsTheRest) {
    w->DayNum = 4;
    EXPECT_EQ(At(259200, 0), "12:00:00 AM");
    EXPECT_DOUBLE_EQ(w->GameTime, 0);
    EXPECT_EQ(w->DayNum, 5);

    // A journey step can overshoot midnight by most of a minute: the overshoot is lost, not carried.
    EXPECT_EQ(At(259200 + 179, 1), "12:00 AM");
    EXPECT_DOUBLE_EQ(w->GameTime, 0);
    EXPECT_EQ(w->DayNum, 6);

    // Showing the time again does not turn the day a second time.
    EXPECT_EQ(FormatClockTime(*w, 0), "12:00:00 AM");
    EXPECT_EQ(w->DayNum, 6);
}

TEST_F(ClockTest, EveryTwoMinutesServeTheNextSlot) {
    EXPECT_EQ(SlotAt(0), 1);
    EXPECT_EQ(SlotAt(359), 1);
    EXPECT_EQ(SlotAt(360), 2);
    EXPECT_EQ(SlotAt(720), 3);
    EXPECT_EQ(SlotAt(1080), 4);
    EXPECT_EQ(SlotAt(1440), 5);
    EXPECT_EQ(SlotAt(1799), 5);
    EXPECT_EQ(SlotAt(1800), 1);
    // The rhythm repeats every ten minutes all day.
    EXPECT_EQ(SlotAt(259200 - 1), 5);
    EXPECT_EQ(SlotAt(10800 + 3 * 180), 2);
}

TEST_F(ClockTest, BeforeTheFirstTickThereIsNoSlot) {
    EXPECT_EQ(SlotAt(-1), 0);
}

}  // namespace
}  // namespace rq
