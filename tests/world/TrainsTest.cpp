// The train pipelines on small hand-made networks: departures with their queue and random citizens,
// the departure table and the ten-minute advance (the warm-up over the whole table: WorldStartupTest).
#include <gtest/gtest.h>

#include <vector>

#include "WorldTestKit.h"
#include "world/Trains.h"

namespace rq {
namespace {

using testkit::Draw;
using testkit::TestWorld;
using V = std::vector<std::int16_t>;

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

TEST_F(TrainsTest, ACityWithOneCitizenOrNoneNeverLosesOne) {
    Link(1, 1, 2);
    W().city(2).Size = 5;
    AddCitizens(1, {4});
    for (int i = 0; i < 50; ++i) {
        DepartTrain(W(), 1, 1);
        AdvanceRiders(W(), 1, 1);
    }
    EXPECT_EQ(W().city(1).NumCitizens, 1);
    W().city(1).NumCitizens = 0;  // nor does a city of none send anyone, though the draw is made
    W().Rng.Script({Draw(19, 20)});
    EXPECT_EQ(RidersToSend(W(), 1, 1), 0);
    EXPECT_EQ(W().Rng.ScriptedLeft(), 0u);
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

// Over many rounds (the stages wrap round more than once, starting from an empty route) every
// departure's riders sit in stage j after j - 1 advances and are gone after 18, stages stay packed,
// and the route's advance leaves the other slots alone.
TEST_F(TrainsTest, EachDeparturesRidersReachStage18AndLeaveAfterIt) {
    Link(1, 3, 2);
    const V other = NewRiders({4});
    Seat(1, 2, 1, other);
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
    EXPECT_EQ(Stage(1, 2, 1), other);
}

}  // namespace
}  // namespace rq
