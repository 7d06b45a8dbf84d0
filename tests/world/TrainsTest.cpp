// The train pipelines: departures with their queue and random citizens, the departure table,
// the ten-minute advance and the warm-up at start-up, on small hand-made networks.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <memory>
#include <tuple>

#include "WorldTestKit.h"
#include "world/Trains.h"

namespace rq {
namespace {

using testkit::TestWorld;
using V = std::vector<std::int16_t>;

// A draw that makes Int(Rnd × n) come out as i.
double Draw(int i, int n) {
    return (i + 0.5) / n;
}

class TrainsTest : public ::testing::Test, protected TestWorld {};

TEST_F(TrainsTest, QueuedRidersTakeTheirPlacesAsSeatsThenRandomCitizensFollow) {
    Link(1, 2, 2);
    const V home = AddCitizens(1, {4, 4, 4, 4, 4, 4});  // six citizens: table row 6..10
    const V queued = NewRiders({4});
    WaitingAt(W(), 1, 2, 1) = queued[0];
    // Departure table draw 19 sends 1 citizen to a size-3 city; then the 4th citizen of six is drawn.
    W().Rng.Script({Draw(19, 20), Draw(3, 6)});
    DepartTrain(W(), 1, 2);
    EXPECT_EQ(Stage(1, 2, 1), (V{queued[0], home[3]}));
    EXPECT_TRUE(Queue(1, 2).empty());
    EXPECT_EQ(CitizensOf(1), (V{home[0], home[1], home[2], home[4], home[5]}));
    EXPECT_EQ(W().Rng.ScriptedLeft(), 0u);
}

TEST_F(TrainsTest, EachDrawSeesTheCityAfterThePreviousCitizenLeft) {
    Link(1, 1, 2);
    W().city(2).Size = 5;
    const V home = AddCitizens(1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});  // 16 or more
    // 18 sends 3 to a size-5 city; draws pick the last, then the last again (now a different citizen), then the first.
    W().Rng.Script({Draw(18, 20), Draw(15, 16), Draw(14, 15), Draw(0, 14)});
    DepartTrain(W(), 1, 1);
    EXPECT_EQ(Stage(1, 1, 1), (V{home[15], home[14], home[0]}));
    EXPECT_EQ(W().city(1).NumCitizens, 13);
}

TEST_F(TrainsTest, RandomCitizensOnlyEverTakeSeatsOneToThree) {
    Link(1, 1, 2);
    W().city(2).Size = 5;
    AddCitizens(1, {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4});
    const V queued = NewRiders({4, 4});
    WaitingAt(W(), 1, 1, 1) = queued[0];
    WaitingAt(W(), 1, 1, 2) = queued[1];
    // Three would go, but only seat 3 is left among the first three.
    W().Rng.Script({Draw(19, 20), Draw(0, 20)});
    DepartTrain(W(), 1, 1);
    EXPECT_EQ(Stage(1, 1, 1).size(), 3u);
    EXPECT_EQ(W().city(1).NumCitizens, 19);
}

TEST_F(TrainsTest, AFullQueueTakesAllSeatsAndNobodyElseBoards) {
    Link(1, 1, 2);
    AddCitizens(1, {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4});
    V riders;
    for (int q = 1; q <= kSeats; ++q) {
        riders.push_back(NewRiders({4})[0]);
        WaitingAt(W(), 1, 1, q) = riders.back();
    }
    W().Rng.Script({Draw(19, 20)});  // the table is still asked
    DepartTrain(W(), 1, 1);
    EXPECT_EQ(Stage(1, 1, 1), riders);
    EXPECT_EQ(FirstFreeSeat(W(), 1, 1), 27);
    EXPECT_EQ(W().city(1).NumCitizens, 16);
    EXPECT_EQ(W().Rng.ScriptedLeft(), 0u);
}

TEST_F(TrainsTest, AMarkedLinkMovesTheQueueButTakesNoCitizen) {
    Link(1, 3, 2, 1);
    AddCitizens(1, {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4});
    const V queued = NewRiders({4});
    WaitingAt(W(), 1, 3, 1) = queued[0];
    W().Rng.Script({Draw(19, 20), Draw(0, 17)});
    DepartTrain(W(), 1, 3);
    EXPECT_EQ(Stage(1, 3, 1), queued);
    EXPECT_EQ(W().city(1).NumCitizens, 17);
    EXPECT_EQ(W().Rng.ScriptedLeft(), 2u);  // not even the table is asked
}

TEST_F(TrainsTest, ACityWithOneCitizenNeverLosesIt) {
    Link(1, 1, 2);
    W().city(2).Size = 5;
    AddCitizens(1, {4});
    for (int i = 0; i < 50; ++i) {
        DepartTrain(W(), 1, 1);
        AdvanceRiders(W(), 1, 1);
    }
    EXPECT_EQ(W().city(1).NumCitizens, 1);
}

TEST_F(TrainsTest, AnEmptySlotRunsNoTrain) {
    AddCitizens(1, {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4});
    W().Rng.Script({Draw(19, 20)});
    DepartTrain(W(), 1, 4);
    EXPECT_TRUE(Stage(1, 4, 1).empty());
    EXPECT_EQ(W().Rng.ScriptedLeft(), 1u);
}

// The departure table through its examples and its shape: more citizens at home and a higher draw
// never send fewer, at most three go, and only a big city sending to a size-5 city sends three.
TEST_F(TrainsTest, TheDepartureTableGrowsWithTheDrawAndTheCityAndSendsAtMostThree) {
    Link(1, 1, 2);
    auto send = [this](int citizens, int size, int r) {
        W().city(1).NumCitizens = static_cast<std::int16_t>(citizens);
        W().city(2).Size = static_cast<std::int16_t>(size);
        W().Rng.Script({Draw(r, 20)});
        return RidersToSend(W(), 1, 1);
    };
    for (int size = 2; size <= 5; ++size) {
        for (int citizens = 2; citizens <= 25; ++citizens) {
            for (int r = 0; r < 20; ++r) {
                const int n = send(citizens, size, r);
                SCOPED_TRACE(testing::Message() << citizens << " citizens, size " << size << ", draw " << r);
                EXPECT_GE(n, 0);
                EXPECT_LE(n, citizens >= 11 && size == 5 ? 3 : 2);
                EXPECT_GE(n, r > 0 ? send(citizens, size, r - 1) : 0);
                EXPECT_GE(n, citizens > 2 ? send(citizens - 1, size, r) : 0);
                EXPECT_TRUE(r >= 14 || n == 0);
            }
            EXPECT_GE(send(citizens, size, 19), 1) << "the highest draw always sends someone";
        }
    }
    struct Example {
        int citizens, size, r, riders;
    };
    for (const Example& e : {Example{2, 3, 18, 0}, Example{5, 4, 18, 1}, Example{10, 5, 16, 0}, Example{10, 5, 17, 1},
                             Example{15, 3, 19, 2}, Example{11, 5, 19, 3}, Example{11, 2, 19, 1}, Example{16, 4, 15, 0},
                             Example{16, 4, 18, 2}, Example{25, 5, 14, 1}, Example{25, 5, 18, 3}, Example{8, 2, 17, 0},
                             Example{8, 3, 18, 1}, Example{13, 3, 17, 0}, Example{12, 4, 17, 1}, Example{12, 4, 18, 1},
                             Example{12, 4, 19, 2}, Example{20, 2, 16, 0}, Example{20, 3, 19, 2}}) {
        EXPECT_EQ(send(e.citizens, e.size, e.r), e.riders)
            << e.citizens << " citizens, size " << e.size << ", draw " << e.r;
    }
}

TEST_F(TrainsTest, NobodyLeavesACityOfNoneOrOneOrForAnUnsizedDestination) {
    Link(1, 1, 2);
    for (const int citizens : {0, 1}) {
        W().city(1).NumCitizens = static_cast<std::int16_t>(citizens);
        W().Rng.Script({Draw(19, 20)});
        EXPECT_EQ(RidersToSend(W(), 1, 1), 0);
    }
    W().city(1).NumCitizens = 20;
    W().city(2).Size = 0;
    W().Rng.Script({Draw(19, 20)});
    EXPECT_EQ(RidersToSend(W(), 1, 1), 0);
    EXPECT_EQ(W().Rng.ScriptedLeft(), 0u);  // the draw is made all the same
}

TEST_F(TrainsTest, AdvanceMovesEveryStageOnAndEmptiesTheLast) {
    Link(1, 1, 2);
    const V r = NewRiders({4, 4, 4, 4, 4, 4});
    Seat(1, 1, 1, {r[0], r[1]});
    Seat(1, 1, 7, {r[2]});
    Seat(1, 1, 17, {r[3], r[4]});
    Seat(1, 1, 18, {r[5]});
    AdvanceRiders(W(), 1, 1);
    EXPECT_TRUE(Stage(1, 1, 1).empty());
    EXPECT_EQ(Stage(1, 1, 2), (V{r[0], r[1]}));
    EXPECT_TRUE(Stage(1, 1, 7).empty());
    EXPECT_EQ(Stage(1, 1, 8), (V{r[2]}));
    EXPECT_EQ(Stage(1, 1, 18), (V{r[3], r[4]}));
    for (int j = 1; j <= kStages; ++j) {
        for (int k = 1; k <= kSeats; ++k) {
            const std::int16_t rider = RiderAt(W(), 1, 1, j, k);
            EXPECT_NE(rider, r[5]);
        }
    }
    // Other slots are untouched.
    Seat(1, 2, 1, {r[5]});
    AdvanceRiders(W(), 1, 1);
    EXPECT_EQ(Stage(1, 2, 1), (V{r[5]}));
}

TEST_F(TrainsTest, AdvanceOfAnEmptyRouteChangesNothing) {
    Link(1, 1, 2);
    AdvanceRiders(W(), 1, 1);
    for (int j = 1; j <= kStages; ++j) EXPECT_TRUE(Stage(1, 1, j).empty()) << j;
}

// Over many rounds (the stages wrap round more than once) every departure's riders sit in stage j
// after j - 1 advances and are gone after 18, and stages stay packed.
TEST_F(TrainsTest, EachDeparturesRidersReachStage18AndLeaveAfterIt) {
    Link(1, 3, 2);
    Random extra(5);
    std::vector<V> departed;  // riders of the departure of each round
    for (int round = 0; round < 60; ++round) {
        AdvanceRiders(W(), 1, 3);
        V queued;
        for (int q = extra.Below(5); q > 0; --q) queued.push_back(NewRiders({4})[0]);
        for (std::size_t q = 0; q < queued.size(); ++q) WaitingAt(W(), 1, 3, static_cast<int>(q) + 1) = queued[q];
        DepartTrain(W(), 1, 3);
        departed.push_back(queued);
        for (int j = 1; j <= kStages; ++j) {
            const int from = round - (j - 1);
            ASSERT_EQ(Stage(1, 3, j), from >= 0 ? departed[static_cast<std::size_t>(from)] : V{})
                << "round " << round << ", stage " << j;
            for (int k = static_cast<int>(Stage(1, 3, j).size()) + 1; k <= kSeats; ++k) {
                ASSERT_EQ(RiderAt(W(), 1, 3, j, k), 0) << "stages stay packed";
            }
        }
    }
}

TEST_F(TrainsTest, FirstFreeSeatScansStageOne) {
    Link(1, 1, 2);
    EXPECT_EQ(FirstFreeSeat(W(), 1, 1), 1);
    Seat(1, 1, 1, NewRiders({4, 4, 4}));
    EXPECT_EQ(FirstFreeSeat(W(), 1, 1), 4);
    Seat(1, 1, 2, NewRiders({4, 4, 4, 4, 4}));  // other stages do not count
    EXPECT_EQ(FirstFreeSeat(W(), 1, 1), 4);
}

// A ring of three cities on every slot: after the warm-up every route carries 18 trains, the
// queues are empty and the player, queued towards city 2, sits in seat 1 of stage 18.
TEST_F(TrainsTest, WarmUpFillsEveryPipelineAndBringsThePlayerToStage18) {
    for (std::int16_t s = 1; s <= kSlots; ++s) {
        Link(1, s, 2);
        Link(2, s, 3);
        Link(3, s, 1);
    }
    for (std::int16_t c = 1; c <= 3; ++c) {
        W().city(c).Size = 5;
        AddCitizens(c, {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4});
    }
    WaitingAt(W(), 1, 1, 1) = kPlayer;
    WarmUpTrains(W());
    EXPECT_EQ(RiderAt(W(), 1, 1, kStages, 1), kPlayer);
    int riders = 0;
    for (std::int16_t c = 1; c <= kNumCities; ++c) {
        for (std::int16_t s = 1; s <= kSlots; ++s) {
            EXPECT_TRUE(Queue(c, s).empty());
            for (int j = 1; j <= kStages; ++j) {
                const auto stage = Stage(c, s, j);
                EXPECT_LE(stage.size(), 3u);
                riders += static_cast<int>(
                    std::count_if(stage.begin(), stage.end(), [](std::int16_t r) { return r != kPlayer; }));
            }
        }
    }
    // Nobody was dropped: every citizen is either at home or on a train.
    int atHome = 0;
    for (std::int16_t c = 1; c <= 3; ++c) atHome += W().city(c).NumCitizens;
    EXPECT_EQ(atHome + riders, 75);
    EXPECT_GT(riders, 0);
}

}  // namespace
}  // namespace rq
