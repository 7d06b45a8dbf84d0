// The autoplayer on the real network: its routes, the clean city it retreats to, the trains it waits
// for and boards, and a game it wins by following the journeys it planned.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "autoplay/Autoplayer.h"
#include "autoplay/RoutePlanner.h"
#include "autoplay/Sight.h"
#include "headless/HeadlessGame.h"
#include "replay/Recording.h"
#include "replay/Replay.h"
#include "scene/Crystals.h"
#include "world/CityDescription.h"
#include "world/Clock.h"
#include "world/Platform.h"
#include "world/WorldStartup.h"

namespace rq {
namespace {

std::string AssetDir() {
    const char* dir = std::getenv("RAILQUEST_ASSETS");
    return std::string(dir != nullptr ? dir : "assets") + "/";
}

bool Linked(const World& w, std::int16_t from, std::int16_t to) {
    return SlotTo(w, from, to) != 0;
}

struct Network : ::testing::Test {
    void SetUp() override { StartWorld(*world, *sprites, 1); }
    std::unique_ptr<World> world = std::make_unique<World>();
    std::unique_ptr<SpriteEngine> sprites = std::make_unique<SpriteEngine>();
};

TEST_F(Network, RoutesFollowTheLinksToTheirTarget) {
    struct Case {
        const char* what;
        std::int16_t from, to;
        std::size_t fewest, most;  // cities on the way, both ends included
    };
    const Case cases[] = {
        {"the next city", 1, 4, 2, 2},          // Birmingham to Montgomery, one of its links
        {"two journeys away", 1, 3, 3, 3},      // Birmingham to Mobile, by way of Montgomery
        {"across the country", 78, 16, 4, 12},  // Boston to San Diego
        {"the far corners", 187, 35, 4, 12},    // Seattle to Miami
        {"the same city", 121, 121, 1, 1},      // New York: no journey at all
    };
    for (const Case& c : cases) {
        for (int now = 2; now <= 2 * kSlots + 1; ++now) {
            const auto slot = static_cast<std::int16_t>(now / 2);
            const std::vector<std::int16_t> route = PlanRoute(*world, c.from, c.to, slot, now % 2 == 0);
            ASSERT_GE(route.size(), c.fewest) << c.what;
            EXPECT_LE(route.size(), c.most) << c.what;
            EXPECT_EQ(route.front(), c.from) << c.what;
            EXPECT_EQ(route.back(), c.to) << c.what;
            for (std::size_t i = 1; i < route.size(); ++i) {
                EXPECT_TRUE(Linked(*world, route[i - 1], route[i])) << c.what << ": hop " << i;
            }
        }
    }
    EXPECT_TRUE(PlanRoute(*world, 0, 4, 1, true).empty());
    EXPECT_TRUE(PlanRoute(*world, 1, 201, 1, false).empty());
}

TEST_F(Network, TheTrainToACityIsTheSlotOfItsLink) {
    // Birmingham's links, slots 1..5: Huntsville, Lafayette, Macon, Montgomery, Columbia.
    EXPECT_EQ(SlotTo(*world, 1, 4), 4);
    EXPECT_EQ(SlotTo(*world, 1, 159), 5);
    EXPECT_EQ(SlotTo(*world, 1, 1), 0);
    EXPECT_EQ(SlotTo(*world, 1, 3), 0);
}

TEST_F(Network, AFuzzedCityRetreatsToTheNearestCleanOne) {
    const std::int16_t bomb = world->FuzzbombCity;
    ASSERT_TRUE(DescribeWords(*world, 1).CrystalWord);
    EXPECT_EQ(NearestCleanCity(*world, 1), 1);  // a clean city is its own
    const std::int16_t clean = NearestCleanCity(*world, bomb);
    ASSERT_NE(clean, 0);
    EXPECT_TRUE(DescribeWords(*world, clean).CrystalWord);
    // The fuzzbomb's city and every city within two journeys of it are fuzzed at the start.
    const City& home = world->city(bomb);
    for (int s = 1; s <= kSlots; ++s) {
        const std::int16_t near = home.TrainDest[static_cast<std::size_t>(s)];
        EXPECT_NE(clean, near);
        EXPECT_FALSE(Linked(*world, near, clean));
    }
}

TEST(Autoplay, WinsByFollowingTheJourneysItPlanned) {
    HeadlessGame game;
    std::string error;
    ASSERT_TRUE(game.Start(18, AssetDir(), error)) << error;
    Autoplayer player(18);
    std::vector<std::int16_t> planned;  // where each journey was to go when it began
    std::vector<std::int16_t> reached;  // where it went
    std::int16_t city = game.game().world.CurCity;
    for (int step = 0; step < 40000; ++step) {
        const std::vector<std::int16_t> route = player.Route();
        if (RunSteps(game, player, 1, nullptr) != 1) {
            break;  // the autoplayer's input ends once the win has been announced
        }
        const World& w = game.game().world;
        if (city != 0 && w.CurCity == 0) {
            ASSERT_GE(route.size(), 2u);
            planned.push_back(route[1]);
            reached.push_back(w.TransitDest);
        }
        city = w.CurCity;
    }
    EXPECT_EQ(game.game().world.FuzzbombCity, -1) << "no win announced";
    ASSERT_TRUE(player.Stats().WonAtStep.has_value());
    EXPECT_EQ(player.Outcome().rfind("won at step ", 0), 0u) << player.Outcome();
    EXPECT_GE(reached.size(), 2u);
    EXPECT_EQ(planned, reached);
    EXPECT_EQ(player.Stats().Journeys, static_cast<int>(reached.size()));
}

constexpr int kFuzzyAtItsSide = 60;  // pixels between the figure and a fuzzy it steps round

// A fuzzy (or a citizen about to be fuzzed) within `gap` pixels of the figure.
bool FuzzyNear(const Game& game, int gap) {
    const StreetPicture street = LookAtStreet(game.world, game.sprites, {});
    for (const Walker& f : street.Fuzzies) {
        const SpriteBox& a = street.Player;
        const SpriteBox& b = f.Box;
        if (std::max(std::max(b.Left - a.Right, a.Left - b.Right), std::max(b.Top - a.Bottom, a.Top - b.Bottom)) <=
            gap) {
            return true;
        }
    }
    return false;
}

// Every train the autoplayer stood on the platform for, from the moment it stopped, takes it along:
// it walks up onto the track by the last moments of the stop, stepping round only a fuzzy about to
// walk into it (then a train may leave without it, after a fuzzy came to its side).
TEST(Autoplay, BoardsEveryTrainItWaitedForOnThePlatform) {
    for (const std::uint64_t seed : {2u, 10u, 13u}) {
        HeadlessGame game;
        std::string error;
        ASSERT_TRUE(game.Start(seed, AssetDir(), error)) << error;
        Autoplayer player(seed);
        int waitedFor = 0, missed = 0;
        bool waiting = false;  // the train it wants stands, and the figure stood on the platform as it stopped
        bool crowded = false;  // and a fuzzy came close to the figure while it stood
        for (int step = 0; step < 25000 && RunSteps(game, player, 1, nullptr) == 1; ++step) {
            const World& w = game.game().world;
            const SpriteEngine& spr = game.game().sprites;
            const std::vector<std::int16_t>& route = player.Route();
            // It travels on with 100 crystals, or from a fuzzed city; short of 100 in a clean one it gathers.
            const bool travelling = w.CurCity != 0 && (w.crystals(kPlayer) == kPlayerCrystalLimit ||
                                                       !DescribeWords(w, w.CurCity).CrystalWord);
            const bool wanted = travelling && route.size() >= 2 && route.front() == w.CurCity &&
                                SlotTo(w, w.CurCity, route[1]) == CurrentTrainSlot(w);
            const Sprite& p = spr[kPlayerSlot];
            if (TrainStandsAtPlatform(spr) && w.PlatformTicks == 1 && wanted && p.Shown && w.crystals(kPlayer) >= 0 &&
                p.X >= kViewWidth && p.Y < kViewHeight) {
                waiting = true;
                crowded = false;
                ++waitedFor;
            } else if (waiting && !TrainStandsAtPlatform(spr)) {
                waiting = false;
                missed += p.Shown && !crowded ? 1 : 0;
            }
            crowded = crowded || (waiting && p.Shown && FuzzyNear(game.game(), kFuzzyAtItsSide));
        }
        EXPECT_GT(waitedFor, 0) << "seed " << seed;
        EXPECT_EQ(missed, 0) << "seed " << seed << ": " << missed << " of " << waitedFor << " trains left without it";
    }
}

// Scenes of lost games: each recording is the autoplayer of the last round playing a game it lost, up
// to 60 steps before the first touch by a fuzzy. The game is played to there from the recording, the
// autoplayer takes over as a player takes over a demo, and no fuzzy touches it in the next 100 steps.
TEST(Autoplay, GetsOutOfScenesOfLostGames) {
    struct Scene {
        const char* what;
        const char* file;  // in tests/autoplay/scenes
    };
    const Scene scenes[] = {
        {"two fuzzies on the platform while a train comes in (Des Moines, seed 1)", "two-fuzzies-train-coming.rqr"},
        {"a fuzzy and the track closing in on the figure waiting under it (Jefferson City, seed 54)",
         "fuzzy-and-wall-waiting.rqr"},
        {"a fuzzy in the way of the last walk up to the track (Rochester, seed 35)", "fuzzy-in-the-way-up.rqr"},
        {"a fuzzy closing in on the figure at the platform's left wall (Aspen, seed 1)",
         "fuzzy-and-wall-below-station.rqr"},
        {"a fuzzy on the walk up to board, touching again while it stays in touch (Shawnee, seed 96)",
         "fuzzy-on-the-walk-up-to-board.rqr"},
    };
    for (const Scene& scene : scenes) {
        const RecordingParse read = ReadRecordingFile(std::string(RAILQUEST_SCENES) + "/" + scene.file);
        ASSERT_TRUE(read.Result.has_value()) << scene.file << ": " << read.Error;
        HeadlessGame game;
        std::string error;
        ASSERT_TRUE(game.Start(read.Result->Seed, AssetDir(), error)) << error;
        RecordingInput replay(*read.Result);
        RunSteps(game, replay, kMaxSteps, nullptr);
        ASSERT_FALSE(replay.Drift().has_value()) << scene.file << ": not the recorded game";
        // The recording's end paused the game for the player: the autoplayer takes over with Pause.
        ASSERT_TRUE(game.game().shell.Paused) << scene.file;
        StepInput resume;
        resume.Actions.push_back({PlayerActionKind::MenuPause, 0, 0});
        game.Step(resume);
        Autoplayer player(read.Result->Seed);
        EXPECT_EQ(RunSteps(game, player, 100, nullptr), 100) << scene.what;
        EXPECT_TRUE(player.Stats().Touches.empty()) << scene.what << ": " << player.SummaryNote();
    }
}

}  // namespace
}  // namespace rq
