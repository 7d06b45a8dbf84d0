// A saved game plays on exactly as the game that never stopped: in many situations a save is taken,
// opened in another game, and both play the same 2000 steps; their traces must be the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>

#include "game/StateHash.h"
#include "headless/HeadlessGame.h"
#include "headless/RestlessPlayer.h"
#include "headless/StepTrace.h"
#include "replay/Replay.h"
#include "save/AtomicFile.h"
#include "save/SaveTestSupport.h"
#include "scene/SceneObjects.h"
#include "world/Platform.h"

namespace rq {
namespace {

constexpr std::int64_t kContinue = 2000;
constexpr std::int64_t kSearchLimit = 80'000;

// The player of a row: a restless player or a recording, with a few clicks of its own to reach a
// situation (a ticket row chosen and left open, a map click, a pause). Copied at the save, it plays
// both games on alike.
struct RowPlayer : InputSource {
    std::optional<RestlessPlayer> restless;
    std::optional<RecordingInput> recording;
    bool chooseRow = false;    // once the ticket window opens: row 2, the window left open for a step
    bool clickMap = false;     // once the information panel opens: two clicks on the map
    std::int64_t pauseAt = 0;  // before this step: pause, then unpause on the next try

    StepInput Next(std::int64_t step, const Game& game) override {
        if (step == pauseAt) {
            ++pauses_;
            if (pauses_ <= 2) {
                return {std::nullopt, {{PlayerActionKind::MenuPause, 0, 0}}, false};
            }
        }
        if (chooseRow && game.panels.TicketsOpen && !rowChosen_) {
            rowChosen_ = true;
            return {std::nullopt, {{PlayerActionKind::Ticket, 2, 0}}, false};
        }
        if (clickMap && game.panels.InfoOpen && mapClicks_ < 2) {
            ++mapClicks_;  // on the cities the first two trains go to
            const World& w = game.world;
            const City& to = w.city(w.city(w.CurCity).TrainDest[static_cast<std::size_t>(mapClicks_)]);
            return {std::nullopt, {{PlayerActionKind::Map, to.MapX, to.MapY}}, false};
        }
        if (recording) {
            StepInput input = recording->Next(step, game);
            if (!input.End) return input;
            recording.reset();  // the restless player takes over where the recording ends
        }
        return restless->Next(step, game);
    }

private:
    int pauses_ = 0;
    bool rowChosen_ = false;
    int mapClicks_ = 0;
};

using Situation = std::function<bool(HeadlessGame&)>;

struct Row {
    const char* name;
    std::uint64_t seed;
    const char* recording;  // a golden recording, then a restless player; or the restless player alone
    Situation holds;
    std::function<void(RowPlayer&)> setUp = nullptr;
    std::function<void(HeadlessGame&)> poke = nullptr;  // done to the game between two steps
};

Recording ReadGolden(const std::string& name) {
    std::ifstream in(std::string(RAILQUEST_SOURCE_DIR) + "/tests/replays/" + name);
    RecordingParse parsed = ParseRecording(in);
    EXPECT_TRUE(parsed.Result.has_value()) << name << ": " << parsed.Error;
    return parsed.Result.value_or(Recording{});
}

// Plays `steps` steps (a step that does not run, paused, counts when the input does something).
std::string Play(HeadlessGame& game, InputSource& player, std::int64_t steps) {
    std::string trace;
    for (std::int64_t run = 0; run < steps;) {
        const StepInput input = player.Next(game.game().shell.Steps + 1, game.game());
        if (input.End) break;
        if (game.Step(input)) {
            ++run;
            trace += game.TraceLine() + '\n';
        } else if (input.Actions.empty()) {
            break;
        }
    }
    return trace;
}

void CheckRow(const Row& row) {
    SCOPED_TRACE(row.name);
    std::optional<Recording> golden;
    RowPlayer player;
    if (row.recording != nullptr) {
        golden = ReadGolden(row.recording);
        player.recording.emplace(*golden);
    }
    player.restless.emplace(row.seed);
    if (row.setUp) row.setUp(player);
    HeadlessGame unbroken;
    std::string error;
    ASSERT_TRUE(unbroken.Start(golden ? golden->Seed : row.seed, AssetDir(), error)) << error;
    // Step on until the situation holds (between two steps, or after an action that ran no step).
    for (std::int64_t tries = 0; !row.holds(unbroken); ++tries) {
        ASSERT_LT(tries, kSearchLimit) << "the situation never came about";
        const StepInput input = player.Next(unbroken.game().shell.Steps + 1, unbroken.game());
        unbroken.Step(input);
        if (row.poke) row.poke(unbroken);
    }
    const std::string saved = SaveText(unbroken);
    const std::uint32_t check = StateHash(unbroken.game());
    RowPlayer samePlayer = player;
    const std::string expected = Play(unbroken, player, kContinue);

    HeadlessGame opened;
    ASSERT_TRUE(opened.Start(1, AssetDir(), error)) << error;
    const std::string path = testing::TempDir() + "savedgame-roundtrip.rqsave";
    ASSERT_TRUE(WriteFileAtomically(path, saved, error)) << error;
    SaveExtras extras;
    ASSERT_TRUE(OpenSavedGame(opened, path, extras, error)) << error;
    EXPECT_TRUE(SaveText(opened) == saved) << "the opened game saves differently";
    EXPECT_EQ(StateHash(opened.game()), check) << "a recording's state check would fail after the open";
    const std::string continued = Play(opened, samePlayer, kContinue);
    EXPECT_EQ(std::count(expected.begin(), expected.end(), '\n'), kContinue);
    if (continued != expected) {
        std::istringstream a(expected), b(continued);
        std::string la, lb;
        while (std::getline(a, la) && std::getline(b, lb) && la == lb) {
        }
        ADD_FAILURE() << "the traces part at\n  unbroken: " << la.substr(0, 300)
                      << "\n  opened:   " << lb.substr(0, 300);
    }
}

bool InStreet(HeadlessGame& g) {
    return !g.game().shell.InTransit && g.game().world.CurCity > 0;
}

const Row kRows[] = {
    {"right after the start", 3, nullptr, [](HeadlessGame& g) { return g.game().shell.Steps == 1; }},
    {"walking", 4, nullptr,
     [](HeadlessGame& g) {
         return g.game().shell.Steps > 400 && (g.game().scene.InputBits & kInputDirections) != 0 &&
                g.game().sprites[kPlayerSlot].Shown;
     }},
    {"mid-collision", 5, nullptr,
     [](HeadlessGame& g) { return g.game().shell.Steps > 100 && g.game().scene.LastCollisionPasses > 2; }},
    {"a train standing, the player on the platform", 6, nullptr,
     [](HeadlessGame& g) {
         const SpriteEngine& spr = g.game().sprites;
         return InStreet(g) && TrainStandsAtPlatform(spr) && StationInView(spr) && spr[kPlayerSlot].Shown &&
                g.game().scene.SelectedTrain > 0;
     }},
    {"the ticket window open with a row chosen", 7, nullptr,
     [](HeadlessGame& g) { return g.game().panels.TicketsOpen && g.game().panels.Tickets.CheckedSlot == 2; },
     [](RowPlayer& p) { p.chooseRow = true; }},
    // The capitol's door opens the map as the street would; a click on the map adds a city to the history.
    {"the information panel open with a history", 11, nullptr,
     [](HeadlessGame& g) { return g.game().panels.InfoOpen && g.game().panels.Hist.Entries.size() >= 2; },
     [](RowPlayer& p) { p.clickMap = true; },
     [](HeadlessGame& g) {
         if (g.game().shell.Steps == 300) g.session().Window().OpenMapFromCapitol();
     }},
    {"during a journey", 6, nullptr,
     [](HeadlessGame& g) { return g.game().shell.InTransit && g.game().shell.Travel.Run.NextStep() == 91; }},
    {"the journey's last step run, the street not yet built", 6, nullptr,
     [](HeadlessGame& g) { return g.game().shell.Travel.Arrived; }},
    {"paused", 8, nullptr, [](HeadlessGame& g) { return g.game().shell.Paused; },
     [](RowPlayer& p) { p.pauseAt = 700; }},
    {"the player fuzzed", 1, "fuzzy-meets-player.rqr",
     [](HeadlessGame& g) { return g.game().world.crystals(kPlayer) == kFuzzed; }},
    // The fuzzbomb destroyed as when the player walks into it with 100 crystals.
    {"after a win", 12, nullptr,
     [](HeadlessGame& g) { return g.game().world.FuzzbombCity == 0 && g.game().shell.Steps > 520; }, nullptr,
     [](HeadlessGame& g) {
         if (g.game().shell.Steps >= 500 && g.game().world.FuzzbombCity != 0 && InStreet(g)) {
             SceneContext ctx = SceneOf(g.session().game(), g.session().Window());
             DestroyFuzzbomb(ctx);
         }
     }},
    {"right after a new game", 7, "new-game-mid-journey.rqr",
     [](HeadlessGame& g) { return g.game().shell.Steps == 1950; }},
};

TEST(SavedGame, PlaysOnExactlyAsTheGameThatNeverStopped) {
    for (const Row& row : kRows) {
        CheckRow(row);
    }
}

}  // namespace
}  // namespace rq
