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

TEST_F(ClockTest, TheTwoFormatsOfTheTimeOfDayAndTheSlotOfEachTwoMinutes) {
    // Three units a second; the hour has no leading zero, minutes and seconds have; other modes are empty.
    const struct {
        double time;
        std::int16_t mode;
        const char* text;
    } cases[] = {
        {0, 0, "12:00:00 AM"},
        {0, 1, "12:00 AM"},
        {2.999, 0, "12:00:00 AM"},
        {3, 0, "12:00:01 AM"},
        {129597, 0, "11:59:59 AM"},
        {129600, 0, "12:00:00 PM"},
        {140400, 0, "1:00:00 PM"},
        {140400, 1, "1:00 PM"},
        {3 * (13 * 3600 + 5 * 60 + 9), 0, "1:05:09 PM"},
        {3 * (9 * 3600 + 7 * 60), 1, "9:07 AM"},
        {140400, 2, ""},
        {140400, -1, ""},
        {-1, 0, "11:59:59 PM"},  // just before the first tick: a second before midnight
        {-1, 1, "11:59 PM"},
    };
    for (const auto& c : cases) EXPECT_EQ(At(c.time, c.mode), c.text) << c.time << " mode " << c.mode;
    // Every two minutes serve the next slot; before the first tick there is none.
    const std::pair<double, int> slots[] = {{0, 1},    {359, 1},  {360, 2},        {720, 3},   {1440, 5},
                                            {1799, 5}, {1800, 1}, {259200 - 1, 5}, {11340, 2}, {-1, 0}};
    for (const auto& [time, slot] : slots) EXPECT_EQ(SlotAt(time), slot) << time;
}

TEST_F(ClockTest, MidnightRollsOverAndDropsTheRest) {
    w->DayNum = 4;
    w->GameTime = 259198;
    AdvanceClock(*w, 1);
    EXPECT_EQ(FormatClockTime(*w, 0), "11:59:59 PM");
    EXPECT_EQ(w->DayNum, 4) << "the last second of the day is still the day";
    AdvanceClock(*w, 1);
    EXPECT_EQ(FormatClockTime(*w, 0), "12:00:00 AM");
    EXPECT_DOUBLE_EQ(w->GameTime, 0);
    EXPECT_EQ(w->DayNum, 5);

    // A minute's step that overshoots midnight loses the overshoot rather than carrying it.
    w->GameTime = 259200 - 1;
    AdvanceClock(*w, 180);
    EXPECT_EQ(FormatClockTime(*w, 1), "12:00 AM");
    EXPECT_DOUBLE_EQ(w->GameTime, 0);
    EXPECT_EQ(w->DayNum, 6);
    // Showing the time turns no day.
    EXPECT_EQ(FormatClockTime(*w, 0), "12:00:00 AM");
    EXPECT_EQ(w->DayNum, 6);
}

}  // namespace
}  // namespace rq
