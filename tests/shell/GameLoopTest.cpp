// The game loop and the city tick: the splash hand-over, holding and resuming without catch-up,
// the train announcement and banner, a train's whole visit, and a journey end to end.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "panels/Panels.h"
#include "scene/CityTick.h"
#include "scene/Joystick.h"
#include "scene/LeaveCity.h"
#include "shell/Session.h"
#include "support/LoopGame.h"
#include "world/Platform.h"

namespace rq {
namespace {

constexpr std::int64_t kMs = 1'000'000;
constexpr std::int64_t kTick = TickPacer::kTickNanoseconds;

class GameLoopTest : public ::testing::Test, protected test::LoopGame {
protected:
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) loop.LoopTick(0);
    }
    // Walks the player's centre to (x, y) as a player would: along y first, then x; held up by a
    // crowd, it steps aside for a moment and tries again.
    void WalkTo(int x, int y) {
        const Sprite& p = game->sprites[kPlayerSlot];
        int still = 0;
        int asides = 0;
        for (int tick = 0; tick < 3000; ++tick) {
            const int dx = x - (p.X + p.Width / 2);
            const int dy = y - (p.Y + p.Height / 2);
            std::uint16_t key = 0;
            if (dy > 4 || dy < -4) {
                key = dy > 0 ? kInputDown : kInputUp;
            } else if (dx > 4 || dx < -4) {
                key = dx > 0 ? kInputRight : kInputLeft;
            } else {
                break;
            }
            if (still >= 8) {
                const bool along = key == kInputLeft || key == kInputRight;
                key = along ? (asides % 2 == 0 ? kInputDown : kInputUp) : (asides % 2 == 0 ? kInputLeft : kInputRight);
                ++asides;
            }
            game->scene.InputBits = key;
            const int x0 = p.X;
            const int y0 = p.Y;
            Ticks(still >= 8 ? 6 : 1);
            still = (p.X == x0 && p.Y == y0 && still < 8) ? still + 1 : 0;
        }
        game->scene.InputBits = 0;
    }
    // Runs the journey under way to its end through the loop, each call later than any wait.
    void RunJourneyToTheEnd() {
        for (std::int64_t ms = 0; game->shell.InTransit && ms < 1'000'000; ms += 200) {
            loop.LoopTick(ms);
        }
    }
};

TEST_F(GameLoopTest, ExactlyOneTickRunsBehindTheSplashWindow) {
    game->shell.SplashUp = true;
    game->shell.Stage = StartupStage::FirstTick;
    fe.window.Active = false;  // the splash window is the active one
    loop.LoopTick(0);
    EXPECT_TRUE(game->shell.FirstTickDone);
    EXPECT_EQ(game->world.GameTime, 0);
    EXPECT_EQ(fe.presented, 1) << "the street's first picture is made";
    loop.LoopTick(0);
    EXPECT_EQ(game->shell.Stage, StartupStage::Ready);
    EXPECT_FALSE(loop.Enabled());
    EXPECT_EQ(game->world.GameTime, 0);
    loop.Wake(kTick * 100);  // a disabled loop runs nothing
    EXPECT_EQ(game->world.GameTime, 0);
}

TEST_F(GameLoopTest, APausedOrInactiveGameDoesNotTickAndForgetsHeldKeys) {
    loop.Wake(kTick);
    EXPECT_EQ(game->world.GameTime, 0);
    game->shell.Paused = true;
    game->scene.InputBits = 0x101;
    loop.Wake(kTick * 2);
    EXPECT_EQ(game->world.GameTime, 0);
    EXPECT_EQ(game->scene.InputBits, 0);
    game->shell.Paused = false;
    fe.window.Active = false;
    game->scene.InputBits = 0x4;
    loop.Wake(kTick * 3);
    EXPECT_EQ(game->scene.InputBits, 0);
    EXPECT_EQ(game->world.GameTime, 0);
    fe.window.Active = true;
    fe.window.Minimized = true;
    loop.Wake(kTick * 4);
    EXPECT_EQ(game->world.GameTime, 0);
    // Back after a long absence: no catch-up, the pace starts again from now.
    fe.window.Minimized = false;
    loop.Wake(kTick * 1000);
    EXPECT_EQ(game->world.GameTime, 0);
    loop.Wake(kTick * 1001);
    EXPECT_EQ(game->world.GameTime, 1);
    loop.Wake(kTick * 1003);
    EXPECT_EQ(game->world.GameTime, 3);
}

TEST_F(GameLoopTest, TheClockShowsEveryThirdTickAndATrainIsAnnouncedEveryTwoMinutes) {
    Ticks(1);
    EXPECT_EQ(fe.time, "12:00:00 AM");
    EXPECT_TRUE(game->sprites[kTrainSprite].Shown || game->sprites[kMarkedTrainSprite].Shown);
    // Shown at 1280 at speed 30, then moved and braked once by the same tick.
    EXPECT_EQ(game->sprites[kTrainSprite].X, 1280 - 30);
    EXPECT_EQ(game->sprites[kTrainSprite].VX, -29);
    const std::int16_t dest = game->world.city(kHere).TrainDest[1];
    std::string upper = game->world.city(dest).Name;
    for (auto& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    EXPECT_EQ(fe.banner, "********** DEPARTING FOR: " + upper + " **********");
    EXPECT_TRUE(game->scene.DepartureBannerOn);
    EXPECT_EQ(sound.Count("train.wav"), 1);
    Ticks(2);
    EXPECT_EQ(fe.time, "12:00:00 AM");
    Ticks(1);
    EXPECT_EQ(fe.time, "12:00:01 AM");
    Ticks(360 - 3);  // GameTime 360: the slot-2 window
    EXPECT_EQ(game->world.GameTime, 360);
    EXPECT_EQ(sound.Count("train.wav"), 3) << "the whistle of the first train, then the next announcement";
}

TEST_F(GameLoopTest, TheBannerBlinksEverySixTicksInTheStationOnly) {
    Ticks(1);  // announced at GameTime 0, and 0 mod 6 = 0 blinks it on
    EXPECT_TRUE(fe.bannerVisible);
    Ticks(5);
    EXPECT_TRUE(fe.bannerVisible);
    Ticks(1);
    EXPECT_FALSE(fe.bannerVisible);
    Ticks(6);
    EXPECT_TRUE(fe.bannerVisible);
    game->sprites[kPlayerSlot].Y = 600;  // the player has walked down the street
    Ticks(1);
    EXPECT_FALSE(fe.bannerVisible);
}

TEST_F(GameLoopTest, ATrainsVisitEndsWithTheBannerOffAndTheScheduleRefilled) {
    const auto times = [&] {
        std::vector<std::string> shown;
        for (const TicketRow& row : game->panels.Tickets.Rows) shown.push_back(std::to_string(row.Position) + row.Time);
        return shown;
    };
    const std::vector<std::string> before = times();
    game->panels.Tickets = TicketState{};  // wiped: the end of the visit must fill it again
    int ticks = 0;
    while (ticks < 340 && (ticks < 2 || game->sprites[kTrainSprite].Shown || game->sprites[kMarkedTrainSprite].Shown)) {
        Ticks(1);
        ++ticks;
    }
    EXPECT_LT(ticks, 340) << "the train has come and gone within its window";
    EXPECT_GT(ticks, 30);
    EXPECT_FALSE(game->scene.DepartureBannerOn);
    EXPECT_FALSE(fe.bannerVisible);
    EXPECT_EQ(times(), before) << "the schedule is filled again with the city's next departures";
}

TEST_F(GameLoopTest, AWholeVisitOnFootAndAJourneyThroughTheLoop) {
    World& w = game->world;
    Sprite& player = game->sprites[kPlayerSlot];
    const Sprite& office = game->sprites[kTicketOfficeSlot];
    const int doorX = office.X + 8;  // any way in along the bottom edge; the street ends just right of it
    const int belowOffice = office.Y + office.Height + player.Height;
    // Down the street and along under the ticket office, then in by its door.
    const int waypoints[][2] = {{player.X + player.Width / 2, belowOffice}, {doorX, belowOffice}};
    int guard = 0;
    for (const auto& [x, y] : waypoints) {
        WalkTo(x, y);
    }
    EXPECT_EQ(game->sprites.ViewRow, 2) << "the view has followed the player down the street";
    game->scene.InputBits = kInputUp;
    while (!game->panels.TicketsOpen && guard++ < 2000) Ticks(1);
    ASSERT_TRUE(game->panels.TicketsOpen) << "walked into the ticket office";
    EXPECT_FALSE(player.Shown);
    Ticks(5);  // the window stops the player
    EXPECT_EQ(player.VX, 0);
    EXPECT_EQ(player.VY, 0);

    // The next train is chosen; OK puts the player back in the street.
    const auto chosen = static_cast<std::int16_t>(CurrentTrainSlot(w) % 5 + 1);
    ChooseTicketRow(*game, chosen);
    fe.HideTicketWindow();
    CloseTicketWindow(*game);
    ASSERT_TRUE(player.Shown);
    const int platform[][2] = {{doorX, belowOffice}, {kPlatformCentre, belowOffice}, {kPlatformCentre, 260}};
    for (const auto& [x, y] : platform) {
        WalkTo(x, y);
    }
    EXPECT_TRUE(StationInView(game->sprites));
    // Waiting on the platform for the chosen train to stand, then up into it.
    while (!(CurrentTrainSlot(w) == chosen && TrainStandsAtPlatform(game->sprites)) && guard++ < 4000) Ticks(1);
    game->scene.InputBits = kInputUp;
    while (player.Shown && guard++ < 4000) Ticks(1);
    ASSERT_FALSE(player.Shown) << "boarded";
    game->scene.InputBits = 0;
    while (!game->shell.InTransit && guard++ < 4000) Ticks(1);
    ASSERT_TRUE(game->shell.InTransit);
    const std::int16_t dest = w.city(kHere).TrainDest[static_cast<std::size_t>(chosen)];
    EXPECT_EQ(w.CurCity, 0);
    EXPECT_EQ(w.TransitDest, dest);
    EXPECT_EQ(game->scene.TransitRoute, w.city(kHere).Name + " -> " + w.city(dest).Name);
    EXPECT_EQ(RiderAt(w, kHere, chosen, 1, 1), kPlayer);
    EXPECT_FALSE(game->panels.TicketsOpen) << "the panels of the city left are closed";
    EXPECT_TRUE(game->panels.Hist.Entries.empty());
    for (int s = 1; s <= kLastActorSlot; ++s) EXPECT_FALSE(game->sprites[s].Shown);

    w.GameTime = 1000;
    const int ticksBefore = sound.Count("tick.wav");
    RunJourneyToTheEnd();
    EXPECT_FALSE(game->shell.InTransit);
    EXPECT_TRUE(fe.transitRoute.find(" -> ") != std::string::npos);
    EXPECT_FALSE(fe.transitShown);
    EXPECT_EQ(w.CurCity, dest);
    EXPECT_EQ(w.TransitDest, 0);
    EXPECT_EQ(w.GameTime, 900 + 180 * 180)
        << "aligned to 900, three hours: the arrival's step is also the city's first tick, as without a window";
    EXPECT_EQ(sound.Count("tick.wav") - ticksBefore, 180);
    EXPECT_EQ(fe.cityName, w.city(dest).Name);
    EXPECT_EQ(fe.transitTime, "3:05 AM");
    EXPECT_EQ(fe.transitDay, "Day 1");
}

TEST_F(GameLoopTest, PausingFreezesAJourneyAndUnpausingGoesOnFromTheSameStep) {
    World& w = game->world;
    w.CurCity = 0;
    w.TransitDest = 2;
    game->shell.InTransit = true;
    w.GameTime = 1000;
    loop.Wake(0);  // the journey begins and runs its first step
    const double afterFirst = w.GameTime;
    EXPECT_EQ(afterFirst, 900 + 180);
    loop.Wake(50 * kMs);  // still inside the first step's 127 ms wait
    EXPECT_EQ(w.GameTime, afterFirst);
    game->shell.Paused = true;
    loop.Wake(10'000 * kMs);
    EXPECT_EQ(w.GameTime, afterFirst);
    const std::string frozen = fe.transitTime;
    game->shell.Paused = false;
    loop.Wake(10'001 * kMs);
    EXPECT_EQ(w.GameTime, afterFirst + 180);
    EXPECT_NE(fe.transitTime, frozen);
}

TEST_F(GameLoopTest, StopTransitEndsAJourneyAtItsNextStepWithoutArriving) {
    World& w = game->world;
    w.CurCity = 0;
    w.TransitDest = 2;
    game->shell.InTransit = true;
    loop.Wake(0);
    loop.Wake(200 * kMs);
    w.StopTransit = true;
    const double frozen = w.GameTime;
    loop.Wake(400 * kMs);
    EXPECT_EQ(w.GameTime, frozen);
    EXPECT_EQ(w.CurCity, 0) << "the destination's street is not built";
}

TEST_F(GameLoopTest, StepsCountFromTheSplashClickAndAJourneyIsHundredEightyOfThem) {
    World& w = game->world;
    game->shell.SplashUp = true;
    game->shell.Stage = StartupStage::FirstTick;
    loop.LoopTick(0);
    loop.LoopTick(0);
    ASSERT_EQ(game->shell.Stage, StartupStage::Ready);
    loop.SplashClicked(0);
    EXPECT_EQ(game->shell.Steps, 0) << "the tick behind the splash window is no step";
    EXPECT_EQ(w.GameTime, -1);
    EXPECT_EQ(loop.RunStep(), StepPhase::City);
    EXPECT_EQ(game->shell.Steps, 1);
    EXPECT_EQ(w.GameTime, 0);

    w.CurCity = 0;
    w.TransitDest = 2;
    w.GameTime = 1000;
    game->shell.InTransit = true;
    int transitSteps = 0;
    while (loop.RunStep() == StepPhase::Transit && transitSteps <= 200) ++transitSteps;
    EXPECT_EQ(transitSteps, 180);
    EXPECT_EQ(sound.Count("tick.wav"), 180) << "the last tick comes with the first city tick";
    EXPECT_EQ(w.CurCity, 2);
    EXPECT_FALSE(fe.transitShown);
    EXPECT_EQ(w.GameTime, 33300) << "as the paced window arrives: three hours after the aligned start";
    EXPECT_EQ(game->shell.Steps, 1 + 180 + 1);
}

TEST_F(GameLoopTest, TheWinIsAnnouncedOnceAtTheStartOfTheNextTick) {
    game->world.FuzzbombCity = 0;
    game->scene.InputBits = 0x10;
    Ticks(1);
    ASSERT_EQ(fe.messages.size(), 1u);
    EXPECT_EQ(fe.messages[0], "Congratulations!  You have destroyed the fuzzbomb and saved the country!");
    EXPECT_EQ(fe.exclamations, 1) << "with the exclamation icon";
    EXPECT_EQ(game->world.FuzzbombCity, -1);
    EXPECT_EQ(game->scene.InputBits, 0);
    Ticks(5);
    EXPECT_EQ(fe.messages.size(), 1u);
}

TEST_F(GameLoopTest, LeavingACityHandsItsCrystalsToCitizensWhoHoldAtMostTen) {
    World& w = game->world;
    City& c = w.city(kHere);
    for (int p = 1; p <= c.NumCitizens; ++p) w.crystals(c.Citizens[static_cast<std::size_t>(p)]) = 10;
    w.crystals(c.Citizens[1]) = kFuzzed;
    int lying = 0;
    for (int s = 1; s <= 40; ++s) {
        SprShowAt(game->sprites, s, static_cast<std::int16_t>(700 + s), 400);
        ++lying;
    }
    int before = 0;
    for (int p = 1; p <= c.NumCitizens; ++p) before += w.crystals(c.Citizens[static_cast<std::size_t>(p)]);
    SceneContext ctx = SceneOf(*game, fe);
    LeaveCity(ctx, kHere);
    int after = 0;
    for (int p = 1; p <= c.NumCitizens; ++p) {
        const std::int16_t n = w.crystals(c.Citizens[static_cast<std::size_t>(p)]);
        EXPECT_LE(n, 10);
        after += n;
    }
    EXPECT_GT(after, before) << "the fuzzy picked some up and was cured";
    EXPECT_LE(after - before, lying);
    EXPECT_GE(w.crystals(c.Citizens[1]), 0);
    EXPECT_TRUE(game->sprites.gSceneRects.empty());
    for (int s = 1; s <= kLastActorSlot; ++s) EXPECT_FALSE(game->sprites[s].Shown);
}

// A joystick whose answer the test sets: a position, or a failed read.
struct FakeJoystick : JoystickPort {
    bool Detect() override { return position.has_value(); }
    std::optional<JoystickPosition> ReadPosition() override {
        ++reads;
        return position;
    }
    std::optional<JoystickPosition> position;
    int reads = 0;
};

// The stick is the live player's: the session reads it before each city tick, and only then.
TEST_F(GameLoopTest, TheSessionReadsTheStickOnlyInJoystickModeAndFallsBackWhenItFails) {
    FakeJoystick joystick;
    joystick.position = JoystickPosition{0, 65535, 1};
    game->scene.Joystick = &joystick;
    game->scene.InputBits = kInputUp;  // held on the keyboard
    Session session(*game, fe);
    session.Loop().SetEnabled(true, 0);
    const auto Ticks = [&](int n) {
        for (int i = 0; i < n; ++i) session.Loop().LoopTick(0);
    };
    Ticks(1);
    EXPECT_EQ(joystick.reads, 0);
    EXPECT_EQ(game->scene.InputBits, kInputUp);

    game->scene.JoystickMode = true;
    Ticks(1);
    EXPECT_EQ(game->scene.InputBits, kInputLeft | kInputDown | kInputAction);

    joystick.position.reset();  // pulled out
    Ticks(2);
    EXPECT_EQ(fe.messages, std::vector<std::string>{"Joystick Error!"});
    EXPECT_FALSE(game->scene.JoystickMode);
    EXPECT_GT(fe.menuSyncs, 0);
    EXPECT_EQ(joystick.reads, 2) << "keyboard mode from the failed read on";
    EXPECT_EQ(game->scene.InputBits, kInputLeft | kInputDown | kInputAction);
}

TEST(ControlMode, StartUpKeepsASavedJoystickModeOnlyWhenTheJoystickAnswers) {
    for (const bool saved : {false, true}) {
        for (const bool answers : {false, true}) {
            FakeJoystick joystick;
            if (answers) joystick.position = JoystickPosition{};
            Scene scene;
            scene.Joystick = &joystick;
            RestoreControlMode(scene, saved);
            EXPECT_EQ(scene.JoystickMode, saved && answers) << saved << answers;
        }
    }
}

}  // namespace
}  // namespace rq
