// A new game in the running program: No changes nothing, Yes starts afresh in either phase, the
// player holds one seat and arrives with the first train, and new games follow each other cleanly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "base/Index.h"
#include "scene/EnterCity.h"
#include "shell/NewGame.h"
#include "support/FakeFrontend.h"
#include "support/RecordingSound.h"
#include "support/TestSprites.h"
#include "support/WorldInvariants.h"
#include "world/CityTable.h"
#include "world/Platform.h"
#include "world/Trains.h"
#include "world/WorldStartup.h"

namespace rq {
namespace {

constexpr std::int64_t kMs = 1'000'000;

class NewGameTest : public ::testing::Test {
protected:
    void SetUp() override { Start(1234); }
    // A game just started from `seed`: the player rides the train that brings it to the start city.
    void Start(std::uint64_t seed) {
        game = std::make_unique<Game>();
        fe.Use(*game);
        loop = std::make_unique<GameLoop>(*game, fe);
        listedTwice.clear();
        test::MakeTestSprites(game->sprites);
        StartWorld(game->world, game->sprites, seed);
        game->effects.Port = &sound;
        SceneContext ctx = SceneOf(*game, fe);
        EnterCity(ctx, game->world.CurCity);
        game->world.GameTime = -1;
        loop->SetEnabled(true, 0);
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) loop->LoopTick(0);
    }
    // The player, riding from here on the slot-1 train, is some way into a journey through the loop.
    void IntoAJourney(int wakes) {
        World& w = game->world;
        const std::int16_t from = w.CurCity;
        RemoveFromTrains(w, kPlayer);
        auto& stage1 = w.city(from).Stage(1, 1);
        for (int k = kSeats; k > 1; --k) stage1[At(k)] = stage1[At(k - 1)];
        stage1[1] = kPlayer;
        w.TransitDest = w.city(from).TrainDest[1];
        w.CurCity = 0;
        game->shell.InTransit = true;
        for (int i = 0; i < wakes; ++i) loop->Wake(now += 200 * kMs);
    }
    // Yes to the question; remembers the citizens drawn for empty cities, who may be listed twice.
    void NewGame() {
        std::vector<std::int16_t> empty;
        for (std::int16_t c = 1; c <= kNumCities; ++c) {
            if (game->world.city(c).NumCitizens == 0) empty.push_back(c);
        }
        fe.answerYes = true;
        ASSERT_TRUE(AskNewGame(*game, fe, *loop));
        for (const std::int16_t c : empty) {
            EXPECT_EQ(game->world.city(c).NumCitizens, 1) << "city " << c << " was empty";
            listedTwice.push_back(game->world.city(c).Citizens[1]);
        }
    }
    // The state a new game starts from, and the player's arrival with the first slot-1 train.
    void ExpectFreshStartAndArrival(const std::string& when) {
        const World& w = game->world;
        testkit::ExpectWorldIsWhole(w, when, listedTwice);
        EXPECT_EQ(FirstEmptyCity(w), 0) << when;
        EXPECT_EQ(w.DayNum, 1);
        EXPECT_EQ(w.GameTime, -1);
        EXPECT_EQ(w.crystals(kPlayer), 10);
        EXPECT_FALSE(game->shell.InTransit);
        EXPECT_TRUE(loop->Enabled());
        EXPECT_EQ(fe.cityName, w.city(w.CurCity).Name) << "the start city's street is built";
        EXPECT_FALSE(fe.busyPointer);
        EXPECT_FALSE(game->sprites[kPlayerSlot].Shown);
        const std::vector<int> fromBomb = testkit::Hops(w, w.FuzzbombCity);
        EXPECT_GT(fromBomb[At(w.CurCity)], 3) << when;
        // Within two hops of the fuzzbomb every citizen and every rider leaving is fuzzed; any other
        // citizen is fuzzed only as such a rider (or listed there too), and holds 4 otherwise.
        std::vector<bool> fuzzed(kNumCitizens + 1, false);
        for (int c = 1; c <= kNumCities; ++c) {
            if (fromBomb[At(c)] > 2) continue;
            const City& city = w.city(c);
            for (int p = 1; p <= city.NumCitizens; ++p) fuzzed[At(city.Citizens[At(p)])] = true;
            for (int s = 1; s <= kSlots; ++s) {
                for (int j = 1; j <= kStages; ++j) {
                    for (int k = 1; k <= kSeats && city.Stage(s, j)[At(k)] != 0; ++k) {
                        const std::int16_t r = city.Stage(s, j)[At(k)];
                        if (r != kPlayer) fuzzed[At(r)] = true;
                    }
                }
            }
        }
        for (int citizen = 1; citizen <= kNumCitizens; ++citizen) {
            ASSERT_EQ(w.crystals(citizen), fuzzed[At(citizen)] ? kFuzzed : 4) << when << ": citizen " << citizen;
        }
        // The player (in one place at most, as the whole-world check says) sits in seat 1 of the last
        // stage of the first slot-1 train bound for the start.
        std::int16_t i = 1;
        while (w.city(i).TrainDest[1] != w.CurCity) ++i;
        EXPECT_EQ(RiderAt(w, i, 1, kStages, 1), kPlayer) << when;
        const std::int16_t start = w.CurCity;
        int ticks = 0;
        while (!game->sprites[kPlayerSlot].Shown && ticks < 360) {
            Ticks(1);
            ++ticks;
        }
        EXPECT_LT(ticks, 360) << when << ": the player arrives in the slot-1 window";
        EXPECT_EQ(w.CurCity, start);
        EXPECT_EQ(fe.cityName, w.city(start).Name) << when << ": no other street was built";
    }

    // The city whose trains carry the player's seat, 0 if none does.
    std::int16_t CityOfPlayerSeat() const {
        for (std::int16_t c = 1; c <= kNumCities; ++c) {
            for (int s = 1; s <= kSlots; ++s) {
                for (int j = 1; j <= kStages; ++j) {
                    const auto& seats = game->world.city(c).Stage(s, j);
                    if (std::find(seats.begin(), seats.end(), kPlayer) != seats.end()) return c;
                }
            }
        }
        return 0;
    }

    std::unique_ptr<Game> game = std::make_unique<Game>();
    test::FakeFrontend fe{*game};
    test::RecordingSound sound;
    std::unique_ptr<GameLoop> loop;
    std::int64_t now = 0;
    std::vector<std::int16_t> listedTwice;
};

TEST_F(NewGameTest, NoLeavesAJourneyAndTheWorldAsTheyWere) {
    Ticks(500);
    IntoAJourney(20);
    const World before = game->world;
    fe.answerYes = false;
    EXPECT_FALSE(AskNewGame(*game, fe, *loop));
    EXPECT_EQ(fe.messages.back(), "Are you sure you want to start a new game?");
    const World& w = game->world;
    EXPECT_EQ(w.CitizenCrystals, before.CitizenCrystals);
    for (int c = 1; c <= kNumCities; ++c) {
        EXPECT_EQ(w.city(c).Citizens, before.city(c).Citizens);
        EXPECT_EQ(w.city(c).RiderRows, before.city(c).RiderRows);
        EXPECT_EQ(w.city(c).Waiting, before.city(c).Waiting);
    }
    EXPECT_EQ(w.GameTime, before.GameTime);
    EXPECT_FALSE(w.StopTransit);
    const std::int16_t dest = w.TransitDest;
    for (int i = 0; i < 2000 && game->shell.InTransit; ++i) loop->Wake(now += 200 * kMs);
    EXPECT_FALSE(game->shell.InTransit);
    EXPECT_EQ(w.CurCity, dest) << "the journey goes on to its destination";
}

TEST_F(NewGameTest, YesInACityStartsAfreshEvenWithAnEmptyCityAndFuzzAbout) {
    World& w = game->world;
    Ticks(1200);
    // City 7's citizens queue for its trains, leaving it empty; some fuzzies and rich citizens about.
    City& seven = w.city(7);
    for (int q = 1; seven.NumCitizens > 0; ++q) {
        seven.Waiting[At(2)][At(q)] = seven.Citizens[1];
        RemoveCitizenFromCity(w, 7, 1);
    }
    w.crystals(5) = kFuzzed;
    w.crystals(6) = 40;
    w.crystals(kPlayer) = 2;
    w.DayNum = 3;
    game->scene.InputBits = kInputLeft;
    game->scene.SelectedTrain = 2;
    NewGame();
    EXPECT_EQ(game->scene.InputBits, 0);
    EXPECT_EQ(game->scene.SelectedTrain, 0);
    EXPECT_GE(fe.viewClears, 1);
    EXPECT_GE(fe.crystalUpdates, 1);
    ExpectFreshStartAndArrival("a new game in a city");
}

// New games in a row, every other one during a journey: the journey is dropped where it stands, the
// player holds one seat, and the next journey starts from its first step.
TEST_F(NewGameTest, SeveralNewGamesInARowSomeDuringAJourney) {
    for (int round = 1; round <= 4; ++round) {
        Ticks(200 * round);
        if (round % 2 == 0) {
            IntoAJourney(round * 10);
            ASSERT_TRUE(game->shell.InTransit && fe.transitShown);
        }
        NewGame();
        EXPECT_FALSE(fe.transitShown);
        EXPECT_EQ(game->world.TransitDest, 0);
        ExpectFreshStartAndArrival("new game " + std::to_string(round));
    }
    IntoAJourney(1);
    EXPECT_EQ(std::fmod(game->world.GameTime, 180), 0) << "aligned to the minute, a step run";
}

// Wherever the old game's player sat, on a train leaving a city near the new fuzzbomb too, the new
// game's player starts clean with 10: right after a start and during a journey, over many seeds.
TEST_F(NewGameTest, ThePlayerStartsCleanWhicheverTrainItSatOn) {
    int seatsNearTheNewBomb = 0;
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        for (const bool journey : {false, true}) {
            const std::string when =
                "seed " + std::to_string(seed) + (journey ? ", during a journey" : ", at the start");
            Start(seed);
            if (journey) IntoAJourney(3);
            const std::int16_t oldSeat = CityOfPlayerSeat();
            ASSERT_NE(oldSeat, 0) << when;
            NewGame();
            seatsNearTheNewBomb += testkit::Hops(game->world, game->world.FuzzbombCity)[At(oldSeat)] <= 2 ? 1 : 0;
            EXPECT_EQ(game->world.crystals(kPlayer), 10) << when;
        }
    }
    EXPECT_GE(seatsNearTheNewBomb, 4) << "the old seat was on a fuzzed train in a few of the runs";
}

TEST_F(NewGameTest, YesWhileATrainStandsAfterItsHandOverHandsNobodyOverTwice) {
    World& w = game->world;
    // The first train stands; the riders of its slot have been handed over in every city and the
    // trains have not moved on yet.
    for (int i = 0; i < 400 && !(TrainStandsAtPlatform(game->sprites) && w.PlatformTicks == 4); ++i) Ticks(1);
    ASSERT_EQ(w.PlatformTicks, 4);
    NewGame();
    testkit::ExpectWorldIsWhole(w, "just after", listedTwice);
    Ticks(1810);  // every slot's trains come in once more
    testkit::ExpectWorldIsWhole(w, "ten minutes on", listedTwice);
}

}  // namespace
}  // namespace rq
