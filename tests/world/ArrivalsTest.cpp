// Arrivals: riders stepping off into clean, fuzzed, full and fuzzbomb cities, the onward queue,
// the fuzz a fuzzy brings, and the platform of the player's city with its newcomers and the player.
#include <gtest/gtest.h>

#include <memory>

#include "WorldTestKit.h"
#include "world/Arrivals.h"
#include "world/CityDescription.h"
#include "world/Trains.h"

namespace rq {
namespace {

using testkit::Draw;
using testkit::kActorHeight;
using testkit::kActorWidth;
using testkit::TestWorld;
using V = std::vector<std::int16_t>;

// A draw left over at the end of a script shows that no extra draw was made.
constexpr double kSentinel = 0.999;

// Route (1, 2) runs from city 1 to city 2.
class ArrivalsTest : public ::testing::Test, protected TestWorld {
protected:
    ArrivalsTest() { Link(1, 2, 2); }
    void Arrive() { ProcessArrivals(W(), Spr(), fx, 1, 2); }
};

// A clean rider keeps its crystals in a clean city and is fuzzed in a fuzzed city or the fuzzbomb
// city; the city is judged as it was before the rider joined (one fuzzy alone reads "Fuzzed City").
TEST_F(ArrivalsTest, RidersJoinTheCityAndAreFuzzedWhereTheCityIsFuzzed) {
    const struct {
        std::initializer_list<std::int16_t> home;
        bool fuzzbomb;
        std::int16_t after;  // the clean rider's crystals after the arrival
    } cases[] = {{{4, 4}, false, 3}, {{-1, -1}, false, kFuzzed}, {{4, 4}, true, kFuzzed}, {{-1}, false, kFuzzed}};
    for (const auto& c : cases) {
        TestWorld t;
        t.Link(1, 2, 2);
        const V home = t.AddCitizens(2, c.home);
        t.W().FuzzbombCity = c.fuzzbomb ? 2 : 0;
        const V riders = t.NewRiders({3, 0});
        t.Seat(1, 2, kStages, riders);
        ProcessArrivals(t.W(), t.Spr(), fx, 1, 2);
        V all = home;
        all.insert(all.end(), riders.begin(), riders.end());
        EXPECT_EQ(t.CitizensOf(2), all) << home.size();
        EXPECT_EQ(t.W().crystals(riders[0]), c.after) << home.size() << (c.fuzzbomb ? " fuzzbomb" : "");
        EXPECT_EQ(t.W().crystals(riders[1]), c.after == kFuzzed ? kFuzzed : 0);
        EXPECT_TRUE(t.Queue(2, 2).empty());
    }
    EXPECT_FALSE(fx.SceneBuilding);
}

TEST_F(ArrivalsTest, AFullCitySendsTheRiderOnwardAndAFullOnwardQueueLosesIt) {
    AddCitizens(2, {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4});
    const V riders = NewRiders({4, -1});
    Seat(1, 2, kStages, riders);
    Arrive();
    EXPECT_EQ(W().city(2).NumCitizens, kMaxCitizensInCity);
    EXPECT_EQ(Queue(2, 2), riders);  // d's own train of the same slot number
    EXPECT_EQ(W().LostRiders, 0);
    // An onward queue that is full as well loses the rider.
    AdvanceRiders(W(), 1, 2);
    for (int q = 3; q <= kSeats; ++q) WaitingAt(W(), 2, 2, q) = NewRiders({4})[0];
    const V more = NewRiders({4});
    Seat(1, 2, kStages, more);
    Arrive();
    EXPECT_EQ(Queue(2, 2).size(), static_cast<std::size_t>(kSeats));
    EXPECT_EQ(W().LostRiders, 1);
    AdvanceRiders(W(), 1, 2);
    EXPECT_TRUE(Stage(1, 2, kStages).empty());
}

TEST_F(ArrivalsTest, SeatsFourAndBeyondTravelOnInSeatOrder) {
    AddCitizens(2, {4});
    const V riders = NewRiders({1, 2, 3, 4, 5, 6});
    Seat(1, 2, kStages, riders);
    Arrive();
    EXPECT_EQ(CitizensOf(2).size(), 4u);
    EXPECT_EQ(Queue(2, 2), (V{riders[3], riders[4], riders[5]}));
    // Their queue places become their seats on the next train: the first of them gets off next time.
    Link(2, 2, 3);
    W().Rng.Script({Draw(0, 20)});  // the departure table: nobody from city 2 at random
    DepartTrain(W(), 2, 2);
    EXPECT_EQ(Stage(2, 2, 1), (V{riders[3], riders[4], riders[5]}));
}

TEST_F(ArrivalsTest, WhileThePlayerSitsInSeatOneNobodyGetsOff) {
    AddCitizens(2, {4});
    const V riders = NewRiders({4, 4});
    Seat(1, 2, kStages, {kPlayer, riders[0], riders[1]});
    W().CurCity = 5;  // the player's train reaches another city: its riders all travel on
    Arrive();
    EXPECT_EQ(W().city(2).NumCitizens, 1);
    EXPECT_EQ(Queue(2, 2), riders);  // the player is never queued
}

TEST_F(ArrivalsTest, AFuzzyRiderHalvesACleanCitysCrystalsAndIsCuredButAttacksNobodyInAFuzzedCity) {
    const V home = AddCitizens(2, {9, 4});
    const V riders = NewRiders({-1});
    Seat(1, 2, kStages, riders);
    // 4 attacks (draw 0 of 5); the city now lists home[0], home[1], the fuzzy: hit 1, 1, 2, 3.
    W().Rng.Script({Draw(0, 5), Draw(0, 3), Draw(0, 3), Draw(1, 3), Draw(2, 3)});
    Arrive();
    EXPECT_EQ(W().crystals(home[0]), 2);  // 9 → 4 → 2
    EXPECT_EQ(W().crystals(home[1]), 2);
    EXPECT_EQ(W().crystals(riders[0]), 0);  // cured: somebody still holds crystals
    EXPECT_EQ(W().Rng.ScriptedLeft(), 0u);
    // A fuzzy arriving in a fuzzed city (city 3) attacks nobody.
    Link(1, 3, 3);
    AddCitizens(3, {-1});
    const V another = NewRiders({-1});
    Seat(1, 3, kStages, another);
    W().Rng.Script({0.99});
    ProcessArrivals(W(), Spr(), fx, 1, 3);
    EXPECT_EQ(W().crystals(another[0]), kFuzzed);
    EXPECT_EQ(W().Rng.ScriptedLeft(), 1u);
}

TEST_F(ArrivalsTest, ChainReactionFuzzesACityWithoutCrystals) {
    const V home = AddCitizens(2, {0, 0, 0});
    const V riders = NewRiders({-1});
    Seat(1, 2, kStages, riders);
    // The city lists home[0..2] and then the fuzzy, at places 1..4. Each fuzzed citizen attacks in
    // turn at once, while the city still reads "0 Crystals".
    // clang-format off
    W().Rng.Script({
        Draw(0, 5), Draw(0, 4),                          // the fuzzy: 4 attacks; place 1 is fuzzed
        Draw(0, 5), Draw(1, 4),                          //   place 1: 4 attacks; place 2 is fuzzed
        Draw(0, 5), Draw(2, 4),                          //     place 2: 4 attacks; place 3 is fuzzed, the
        Draw(3, 4), Draw(0, 4), Draw(1, 4),              //     city reads "Fuzzed City": no more chain
        Draw(3, 4), Draw(3, 4), Draw(3, 4),              //   place 1's other attacks
        Draw(0, 4), Draw(1, 4), Draw(2, 4),              // the fuzzy's other attacks
        kSentinel,
    });
    // clang-format on
    Arrive();
    for (const std::int16_t c : home) {
        EXPECT_EQ(W().crystals(c), kFuzzed);
    }
    EXPECT_EQ(W().crystals(riders[0]), kFuzzed);  // nobody holds a crystal: not cured
    EXPECT_EQ(CityDescription(W(), 2), "Fuzzed City");
    EXPECT_EQ(W().Rng.ScriptedLeft(), 1u);
}

TEST_F(ArrivalsTest, OneCrystalLeftStopsTheChain) {
    const V town = AddCitizens(2, {0, 0, 1});
    const V fuzzy = AddCitizens(2, {-1});
    // 4 attacks: places 1 and 2 are fuzzed, but the town reads "1 Crystal", which is not plural,
    // so neither attacks in turn; then the fuzzy hits itself twice.
    W().Rng.Script({Draw(0, 5), Draw(0, 4), Draw(1, 4), Draw(3, 4), Draw(3, 4), kSentinel});
    FuzzyArrives(W(), fuzzy[0], 2, 2);
    EXPECT_EQ(W().crystals(town[0]), kFuzzed);
    EXPECT_EQ(W().crystals(town[1]), kFuzzed);
    EXPECT_EQ(W().crystals(town[2]), 1);
    EXPECT_EQ(W().crystals(fuzzy[0]), 0);  // cured by the crystal that is left
    EXPECT_EQ(W().Rng.ScriptedLeft(), 1u);
}

// The player's city: the street is built, its actors stand away from the platform.
class PlatformTest : public ArrivalsTest {
protected:
    PlatformTest() {
        BuildStreet();
        W().CurCity = 2;
        home = AddCitizens(2, {4, 4});
        for (int p = 0; p < 2; ++p) {
            const int slot = kFirstActorSlot + p;
            Spr()[slot].CitizenNo = home[static_cast<std::size_t>(p)];
            SprShowAt(Spr(), slot, static_cast<std::int16_t>(700 + 100 * p), 600);
        }
    }
    V home;
    static constexpr std::int16_t kPlatformY = 184 + 10 + 1;
};

TEST_F(PlatformTest, NewcomersLineUpLeftAndRightOfThePlatformCentre) {
    const V riders = NewRiders({4, 4, 4});
    Seat(1, 2, kStages, riders);
    // Per newcomer: the frame (8..11), then the walk (0 down-left, 1 down, 2 down-right).
    W().Rng.Script({Draw(0, 4), Draw(1, 3), Draw(3, 4), Draw(0, 3), Draw(2, 4), Draw(2, 3)});
    Arrive();
    EXPECT_EQ(CitizensOf(2), (V{home[0], home[1], riders[0], riders[1], riders[2]}));
    EXPECT_EQ(Spr()[112].CitizenNo, riders[0]);
    // 960 − 10 ∓ 20 × 1.2 × n / 2: 938, 974, 914.
    const struct {
        int slot;
        std::int16_t x, frame, vx, vy;
    } newcomers[] = {{112, 938, 8, 0, 7}, {113, 974, 11, -5, 5}, {114, 914, 10, 5, 5}};
    for (const auto& n : newcomers) {
        const Sprite& s = Spr()[n.slot];
        EXPECT_TRUE(s.Shown) << n.slot;
        EXPECT_EQ(s.X, n.x) << n.slot;
        EXPECT_EQ(s.Y, kPlatformY) << n.slot;
        EXPECT_EQ(s.Frame, n.frame) << n.slot;
        EXPECT_EQ(s.VX, n.vx) << n.slot;
        EXPECT_EQ(s.VY, n.vy) << n.slot;
    }
    // The actors already in the street stay where they were.
    EXPECT_EQ(Spr()[110].Y, 600);
    EXPECT_EQ(Spr()[111].X, 800);
    EXPECT_FALSE(fx.SceneBuilding);
    EXPECT_EQ(W().Rng.ScriptedLeft(), 0u);
}

TEST_F(PlatformTest, ACleanNewcomerInASlotThatShowedAFuzzyGetsTheCitizenLook) {
    Spr()[112].FirstFrame = 4;
    Spr()[112].LastFrame = 7;
    Seat(1, 2, kStages, NewRiders({4}));
    Arrive();
    EXPECT_EQ(Spr()[112].FirstFrame, 8);
    EXPECT_EQ(Spr()[112].LastFrame, 11);
}

TEST_F(PlatformTest, AFuzzyAboardKeepsTheCleanRidersOnTheTrain) {
    const V riders = NewRiders({4, -1, 4, -1, -1});
    Seat(1, 2, kStages, riders);
    Arrive();
    // Only the fuzzy of seats 1..3 gets off; the fuzzies of seats 4 and 5 travel on as well.
    EXPECT_EQ(CitizensOf(2), (V{home[0], home[1], riders[1]}));
    EXPECT_EQ(Queue(2, 2), (V{riders[0], riders[2], riders[3], riders[4]}));
    // The fuzzy newcomer has the fuzzy look, without a sound: arrivals are silent.
    const Sprite& newcomer = Spr()[112];
    EXPECT_TRUE(newcomer.Shown);
    EXPECT_EQ(newcomer.CitizenNo, riders[1]);
    EXPECT_EQ(newcomer.FirstFrame, 4);
    EXPECT_EQ(newcomer.LastFrame, 7);
    EXPECT_GE(newcomer.Frame, 4);
    EXPECT_LE(newcomer.Frame, 7);
    EXPECT_EQ(W().crystals(riders[1]), kFuzzed);
    EXPECT_FALSE(Spr()[113].Shown);
    // In the player's city the fuzz is the street's business: nobody was attacked here.
    EXPECT_EQ(W().crystals(home[0]), 4);
    EXPECT_EQ(W().crystals(home[1]), 4);
    EXPECT_TRUE(sound.played.empty());
}

TEST_F(PlatformTest, ThePlayerStepsOntoThePlatformAndClearsItsSpot) {
    // A citizen stands where the player will appear; another stands just below that one.
    SprShowAt(Spr(), 110, 955, kPlatformY + 10);
    SprShowAt(Spr(), 111, 955, kPlatformY + 10 + kActorHeight + 20);
    const V riders = NewRiders({4});
    Seat(1, 2, kStages, {kPlayer, riders[0]});
    Arrive();
    const Sprite& player = Spr()[kPlayerSlot];
    EXPECT_TRUE(player.Shown);
    EXPECT_EQ(player.X, 960 - kActorWidth / 2);
    EXPECT_EQ(player.Y, kPlatformY);
    EXPECT_EQ(player.VX, 0);  // a clean player stands until steered
    EXPECT_EQ(Spr()[110].Y, kPlatformY + 10 + kActorHeight + 3);
    EXPECT_EQ(Spr()[111].Y, kPlatformY + 10 + kActorHeight + 20 + kActorHeight + 3);
    EXPECT_EQ(Queue(2, 2), riders);  // nobody gets off the player's own train
    for (int slot = kPlayerSlot; slot <= kLastActorSlot; ++slot) {
        EXPECT_FALSE(Spr()[slot].Blocked) << slot;
    }
}

TEST_F(PlatformTest, AFuzzedPlayerArrivesAsAFuzzyAndWalksOff) {
    testkit::CountingDisplay display;
    W().CrystalDisplay = &display;
    W().crystals(kPlayer) = kFuzzed;
    Spr()[kPlayerSlot].Frame = 2;
    Seat(1, 2, kStages, {kPlayer});
    // The fuzzy look's random walk (rejected 0,0 first, then right and up) and then the step-off.
    W().Rng.Script({Draw(1, 3), Draw(1, 3), Draw(2, 3), Draw(0, 3), Draw(1, 3)});
    Arrive();
    const Sprite& player = Spr()[kPlayerSlot];
    EXPECT_TRUE(player.Shown);
    EXPECT_EQ(player.Frame, 6);
    EXPECT_EQ(player.FirstFrame, 4);
    EXPECT_EQ(player.VX, 0);  // SetRandomDownwardVelocity(8) wins: straight down
    EXPECT_EQ(player.VY, 8);
    EXPECT_EQ(display.updates, 1);
    EXPECT_EQ(W().Rng.ScriptedLeft(), 0u);
}

}  // namespace
}  // namespace rq
