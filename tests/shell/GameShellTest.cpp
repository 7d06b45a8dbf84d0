// The one tick behind the splash window (pause, another window and minimizing hold the game:
// GameLoopTest) and "Skip To Next Train" with its conditions and arithmetic.
#include <gtest/gtest.h>

#include <memory>

#include "shell/GameShell.h"

namespace rq {
namespace {

class GameShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A player on the station's street in city 7, nothing else about.
        game->world.CurCity = 7;
        game->sprites.ViewCol = 1;
        game->sprites.ViewRow = 0;
        game->sprites[kPlayerSlot].Shown = true;
        game->world.GameTime = 100;
    }
    std::unique_ptr<Game> game = std::make_unique<Game>();
};

TEST(IsGameActive, TheOneTickBehindTheSplashAlwaysRuns) {
    Shell shell;
    shell.SplashUp = true;
    shell.Stage = StartupStage::FirstTick;
    shell.Paused = true;
    EXPECT_TRUE(IsGameActive(shell, {.Active = false, .Minimized = true}));
    shell.Stage = StartupStage::Ready;
    EXPECT_FALSE(IsGameActive(shell, {.Active = false, .Minimized = false}));
}

TEST_F(GameShellTest, SkipLandsOneUnitBeforeTheNextTrainWindow) {
    EXPECT_TRUE(SkipToNextTrain(*game));
    EXPECT_EQ(game->world.GameTime, 359);
    game->world.GameTime = 360;  // a window has just begun: skip the whole of it
    EXPECT_TRUE(SkipToNextTrain(*game));
    EXPECT_EQ(game->world.GameTime, 719);
    game->world.GameTime = 1799.4;  // rounded to 1799 for the arithmetic
    EXPECT_TRUE(SkipToNextTrain(*game));
    EXPECT_DOUBLE_EQ(game->world.GameTime, 1799.4 + 360 - 359 - 1);
}

// Skip does nothing while a fuzzy is on screen (a hidden fuzzy actor does not count, nor a citizen
// with nothing), a train is in, the view is off the station or the player is not there.
TEST_F(GameShellTest, SkipDoesNothingWithAFuzzyOrATrainInOffTheStationOrWithoutThePlayer) {
    const auto expectRefused = [this](auto change, auto undo) {
        change();
        EXPECT_FALSE(SkipToNextTrain(*game));
        EXPECT_EQ(game->world.GameTime, 100);
        undo();
    };
    Sprite& actor = game->sprites[kFirstActorSlot + 3];
    actor.CitizenNo = 55;
    game->world.crystals(55) = kFuzzed;
    EXPECT_TRUE(NoFuzzyInScene(*game));
    expectRefused([&actor] { actor.Shown = true; }, [this] { game->world.crystals(55) = 0; });
    expectRefused([this] { game->sprites[kTrainSprite].Shown = true; },
                  [this] { game->sprites[kTrainSprite].Shown = false; });
    expectRefused([this] { game->sprites[kMarkedTrainSprite].Shown = true; },
                  [this] { game->sprites[kMarkedTrainSprite].Shown = false; });
    expectRefused([this] { game->sprites.ViewCol = 0; }, [this] { game->sprites.ViewCol = 1; });
    expectRefused([this] { game->sprites.ViewRow = 1; }, [this] { game->sprites.ViewRow = 0; });
    expectRefused([this] { game->world.CurCity = 0; }, [this] { game->world.CurCity = 7; });
    expectRefused([this] { game->sprites[kPlayerSlot].Shown = false; },
                  [this] { game->sprites[kPlayerSlot].Shown = true; });
    EXPECT_TRUE(SkipToNextTrain(*game));
}

}  // namespace
}  // namespace rq
