// The game without a window: a seed and the player's input give the same trace every time, with or
// without pictures; it starts in the seed's start city; menus and questions reach the game as from
// the window; and the invariants find every planted fault.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "game/Invariants.h"
#include "headless/HeadlessGame.h"
#include "headless/RestlessPlayer.h"
#include "scene/ActorPass.h"
#include "scene/EnterCity.h"
#include "scene/SceneTestSupport.h"
#include "sprite/SpriteDraw.h"
#include "world/WorldStartup.h"

namespace rq {
namespace {

std::string AssetDir() {
    const char* dir = std::getenv("RAILQUEST_ASSETS");
    return std::string(dir != nullptr ? dir : "assets") + "/";
}

// The input of some steps, each given once; no keys and no clicks otherwise.
struct ScriptedPlayer : InputSource {
    StepInput Next(std::int64_t step, const Game&) override {
        const auto it = at.find(step);
        if (it == at.end()) return {};
        StepInput input = it->second;
        at.erase(it);
        return input;
    }
    std::map<std::int64_t, StepInput> at;
};

struct RestlessRun {
    std::string trace;
    std::string summary;
    int tickets = 0;
    int departures = 0;
};

RestlessRun PlayRestless(std::uint64_t seed, std::int64_t steps, bool drawPictures) {
    HeadlessGame game;
    std::string error;
    EXPECT_TRUE(game.Start(seed, AssetDir(), error, drawPictures)) << error;
    RestlessPlayer player(seed);
    std::ostringstream trace;
    const std::int64_t run = RunSteps(game, player, steps, &trace);
    return {trace.str(), SummaryLine(game.game(), run), player.TicketsChosen(), player.Departures()};
}

TEST(HeadlessGame, TheSameSeedAndPlayerGiveTheSameTraceWithOrWithoutPictures) {
    const RestlessRun first = PlayRestless(6, 1500, false);
    EXPECT_GT(first.tickets, 0);
    EXPECT_GT(first.departures, 0);
    EXPECT_NE(first.trace.find("\"phase\":\"transit\""), std::string::npos);
    const RestlessRun again = PlayRestless(6, 1500, false);
    EXPECT_TRUE(again.trace == first.trace) << "the second run differs";
    const RestlessRun drawn = PlayRestless(6, 1500, true);
    EXPECT_TRUE(drawn.trace == first.trace) << "composing the pictures changed the game";
    EXPECT_EQ(drawn.summary, first.summary);
}

TEST(HeadlessGame, AStillPlayerWaitsOnThePlatformOfTheSeedsStartCity) {
    auto world = std::make_unique<World>();
    auto sprites = std::make_unique<SpriteEngine>();
    StartWorld(*world, *sprites, 21);
    HeadlessGame game;
    std::string error;
    ASSERT_TRUE(game.Start(21, AssetDir(), error)) << error;
    ScriptedPlayer still;
    EXPECT_EQ(RunSteps(game, still, 600, nullptr), 600);
    EXPECT_EQ(SummaryLine(game.game(), 600),
              "steps 600, time 599 (12:03:19 AM), day 1, city " + std::to_string(world->CurCity) + " (" +
                  world->city(world->CurCity).Name + "), crystals 10, fuzzbomb standing");
    EXPECT_FALSE(HeadlessGame().Start(21, "/nowhere/", error));
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
}

TEST(HeadlessGame, MenusAndQuestionsReachTheGameAsFromTheWindow) {
    HeadlessGame game;
    std::string error;
    ASSERT_TRUE(game.Start(5, AssetDir(), error)) << error;
    using K = PlayerActionKind;
    ScriptedPlayer player;
    player.at[10] = {std::nullopt, {{K::MenuNew}, {K::AnswerNo}}};
    player.at[20] = {std::nullopt, {{K::MenuJoystick}}};
    player.at[30] = {std::nullopt, {{K::MenuNew}}};  // unanswered: Yes, as Enter answers
    player.at[40] = {std::nullopt, {{K::MenuPause}}};
    std::ostringstream out;
    EXPECT_EQ(RunSteps(game, player, 100, &out), 39) << "paused, the run ends";
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 39u);
    const std::string question = "\"messages\":[\"Are you sure you want to start a new game?\"]}";
    EXPECT_NE(lines[9].find("\"time\":9,"), std::string::npos) << "No changes nothing: " << lines[9];
    EXPECT_NE(lines[9].find(question), std::string::npos) << lines[9];
    EXPECT_NE(lines[19].find("\"messages\":[]"), std::string::npos)
        << "the stick's input is in the keys: " << lines[19];
    EXPECT_EQ(lines[29].rfind("{\"step\":30,\"phase\":\"city\",\"time\":0,\"day\":1,", 0), 0u) << lines[29];
    EXPECT_NE(lines[29].find(question), std::string::npos);
    EXPECT_EQ(game.game().shell.Steps, 39) << "a new game counts on";
}

// A street of the seed's start city with test sprites, every rule holding.
struct CheckedStreet {
    test::TestGame t;
    InvariantWatch watch;
    CheckedStreet() {
        StartWorld(t.game->world, t.game->sprites, 5);
        EnterCity(t.ctx, t.game->world.CurCity);
    }
};

TEST(Invariants, EachPlantedFaultIsFoundAtTheNextCheck) {
    const struct {
        const char* fault;
        void (*plant)(Game&);
        const char* found;
    } cases[] = {
        {"a citizen in two places", [](Game& g) { g.world.city(2).Waiting[1][1] = g.world.city(1).Citizens[1]; },
         "is in 2 places"},
        {"a gap in a queue", [](Game& g) { g.world.city(3).Waiting[2][kSeats] = 7; },
         "a queue of city 3 holds 7 at 26"},
        {"a rider lost unseen", [](Game& g) { ++g.world.LostRiders; }, "placed and 1 lost"},
        {"too many crystals", [](Game& g) { g.world.crystals(5) = 11; }, "citizen 5 holds 11 crystals"},
        {"a hole in the actor slots", [](Game& g) { SprHide(g.sprites, kFirstActorSlot); }, "slot 110 is hidden"},
        {"a stranger in the street", [](Game& g) { g.sprites[kFirstActorSlot].CitizenNo = kPlayer; },
         "not the citizens of"},
        {"passes beyond the bound", [](Game& g) { g.scene.LastCollisionPasses = kMaxCollisionPasses + 1; },
         "collision passes ran"},
    };
    for (const auto& c : cases) {
        CheckedStreet street;
        ASSERT_GT(street.t.game->world.city(street.t.game->world.CurCity).NumCitizens, 0);
        const Violations clean = street.watch.Check(*street.t.game);
        EXPECT_TRUE(clean.empty()) << c.fault << ": " << (clean.empty() ? "" : clean.front());
        c.plant(*street.t.game);
        std::string found;
        for (const std::string& v : street.watch.Check(*street.t.game)) found += v + "; ";
        EXPECT_NE(found.find(c.found), std::string::npos) << c.fault << ": " << found;
    }
}

}  // namespace
}  // namespace rq
