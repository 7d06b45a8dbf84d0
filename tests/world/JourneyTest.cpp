// A journey's world half: the waits, aligning the clock, 180 steps with the network's passes from
// step 3 on, the hand-over of the destination, StopTransit, and a journey across midnight.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "WorldTestKit.h"
#include "world/Arrivals.h"
#include "world/Journey.h"
#include "world/Trains.h"

namespace rq {
namespace {

using testkit::TestWorld;
using V = std::vector<std::int16_t>;

// Runs a whole journey at once, without waits; ticks are played as the game loop plays them.
JourneyStatus RunWholeJourney(World& w, SpriteEngine& spr, EffectPlayer& fx, Journey& journey) {
    for (;;) {
        const JourneyStepReport report = journey.Step(w, spr, fx);
        if (report.Status == JourneyStatus::Stopped) {
            return report.Status;
        }
        Journey::Tick(fx);
        if (report.Status == JourneyStatus::Arrived) {
            return report.Status;
        }
    }
}

TEST(JourneyWait, SlowAtBothEndsAndZeroInTheMiddle) {
    EXPECT_EQ(JourneyWaitMs(1), 127);  // and so on symmetrically
    EXPECT_EQ(JourneyWaitMs(2), 124);
    EXPECT_EQ(JourneyWaitMs(90), 0);
    int total = 0;
    for (int step = 1; step <= kJourneySteps; ++step) {
        EXPECT_EQ(JourneyWaitMs(step), JourneyWaitMs(kJourneySteps + 1 - step)) << step;
        if (step > 1 && step <= 90) {
            EXPECT_LE(JourneyWaitMs(step), JourneyWaitMs(step - 1)) << step;
        }
        total += JourneyWaitMs(step);
    }
    EXPECT_NEAR(total, 7900, 100);  // about 7.9 seconds a journey
}

// A ring 1 → 2 → 3 → 1 on every slot; the player rides from city 1 to city 2.
class JourneyTest : public ::testing::Test, protected TestWorld {
protected:
    JourneyTest() {
        for (std::int16_t s = 1; s <= kSlots; ++s) {
            Link(1, s, 2);
            Link(2, s, 3);
            Link(3, s, 1);
        }
        for (std::int16_t c = 1; c <= 3; ++c) {
            AddCitizens(c, {4, 4, 4, 4, 4, 4, 4, 4});
        }
        W().CurCity = 0;
        W().TransitDest = 2;
    }
    Journey journey;
};

// Rounded to whole units, the clock goes down by single units until it rounds to a whole minute.
TEST_F(JourneyTest, BeginAlignsTheClockDownToAWholeMinute) {
    for (const auto& [before, after] :
         {std::pair{1000.0, 900.0}, {900.0, 900.0}, {1079.75, 1079.75}, {1079.25, 900.25}}) {
        W().GameTime = before;
        W().StopTransit = true;
        journey.Begin(W());
        EXPECT_DOUBLE_EQ(W().GameTime, after) << before;
        EXPECT_FALSE(W().StopTransit);
    }
}

TEST_F(JourneyTest, AWholeJourneyRunsThePassesFromStepThreeAndHandsOverTheDestination) {
    W().GameTime = 1000;
    journey.Begin(W());
    std::map<WorldPass, int> passes;
    std::vector<JourneyStepReport> reports;
    while (!journey.Done()) {
        reports.push_back(journey.Step(W(), Spr(), fx));
        passes[reports.back().Pass]++;
        EXPECT_EQ(W().CurCity, reports.back().Step == kJourneySteps ? 2 : 0);
    }
    ASSERT_EQ(reports.size(), 180u);
    EXPECT_EQ(reports[0].Pass, WorldPass::None);
    EXPECT_EQ(reports[1].Pass, WorldPass::None);
    EXPECT_EQ(reports[2].Pass, WorldPass::Arrivals);
    EXPECT_EQ(reports[3].Pass, WorldPass::Departures);
    EXPECT_EQ(passes[WorldPass::Arrivals], 89);
    EXPECT_EQ(passes[WorldPass::Departures], 89);
    EXPECT_EQ(reports[0].ClockText, "12:06 AM");  // 900 is 12:05; each step shows the minute after it
    EXPECT_EQ(reports[0].DayText, "Day 1");
    EXPECT_EQ(reports[0].WaitMs, 127);
    EXPECT_EQ(reports[0].Slot, 3);  // minute 5: the third window
    EXPECT_EQ(reports.back().Status, JourneyStatus::Arrived);
    EXPECT_EQ(W().TransitDest, 0);
    // The clock at the end (3:05 AM, the city phase back at 33300) is checked through the game loop
    // (GameLoopTest). A finished journey does nothing more.
    const double end = W().GameTime;
    EXPECT_EQ(journey.Step(W(), Spr(), fx).Step, 0);
    EXPECT_DOUBLE_EQ(W().GameTime, end);
}

// The player leaves city 1 in seat 1 of the slot-1 train that has just gone (minute 0), a citizen in
// the slot-4 train: each slot advances once per window with a world step, so the citizen's eighteenth
// advance hands it over to city 2, while the player reaches stage 18 and steps off at the next
// arrival pass in city 2.
TEST_F(JourneyTest, EachSlotAdvancesOncePerWindowAndThePlayerStepsOffAtTheNextArrival) {
    BuildStreet();
    W().GameTime = 0;
    const V rider = NewRiders({4});
    Seat(1, 4, 1, rider);
    Seat(1, 1, 1, {kPlayer});
    journey.Begin(W());
    int slot4Advances = 0;
    while (!journey.Done()) {
        const JourneyStepReport r = journey.Step(W(), Spr(), fx);
        slot4Advances += r.Pass == WorldPass::Arrivals && r.Slot == 4 ? 1 : 0;
    }
    EXPECT_EQ(slot4Advances, 18);  // minutes 6..7 of each of the 18 ten-minute cycles
    EXPECT_EQ(CitizensOf(2).back(), rider[0]);
    EXPECT_EQ(RiderAt(W(), 1, 1, kStages, 1), kPlayer);
    EXPECT_FALSE(Spr()[kPlayerSlot].Shown);
    ProcessArrivals(W(), Spr(), fx, 1, 1);
    EXPECT_TRUE(Spr()[kPlayerSlot].Shown);
}

TEST_F(JourneyTest, StopTransitEndsTheJourneyAtItsNextStep) {
    W().GameTime = 1000;
    journey.Begin(W());
    for (int i = 0; i < 50; ++i) {
        journey.Step(W(), Spr(), fx);
    }
    const double time = W().GameTime;
    const auto before = std::make_unique<World>(W());
    W().StopTransit = true;
    const JourneyStepReport r = journey.Step(W(), Spr(), fx);
    EXPECT_EQ(r.Status, JourneyStatus::Stopped);
    EXPECT_EQ(r.Step, 0);
    EXPECT_EQ(journey.NextStep(), 51);
    EXPECT_DOUBLE_EQ(W().GameTime, time);
    EXPECT_EQ(W().CurCity, 0);
    EXPECT_EQ(W().TransitDest, 2);
    EXPECT_EQ(W().city(1).RiderRows, before->city(1).RiderRows);
    EXPECT_EQ(W().city(1).StageRot, before->city(1).StageRot);
    EXPECT_EQ(journey.Step(W(), Spr(), fx).Status, JourneyStatus::Stopped);
    // The synchronous run honours it too.
    EXPECT_EQ(RunWholeJourney(W(), Spr(), fx, journey), JourneyStatus::Stopped);
}

TEST_F(JourneyTest, AJourneyAcrossMidnightShowsTheNextDayFromTheFirstStepAfterIt) {
    W().GameTime = 259200 - 90 * 180;  // 10:30 PM
    W().DayNum = 3;
    journey.Begin(W());
    std::vector<JourneyStepReport> reports;
    while (!journey.Done()) {
        reports.push_back(journey.Step(W(), Spr(), fx));
    }
    EXPECT_EQ(reports[88].DayText, "Day 3");
    EXPECT_EQ(reports[88].ClockText, "11:59 PM");
    EXPECT_EQ(reports[89].DayText, "Day 4");
    EXPECT_EQ(reports[89].ClockText, "12:00 AM");
    EXPECT_EQ(reports.back().ClockText, "1:30 AM");
    EXPECT_DOUBLE_EQ(W().GameTime, 90 * 180);
    EXPECT_EQ(W().DayNum, 4);
}

}  // namespace
}  // namespace rq
