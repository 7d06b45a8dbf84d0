// The player's figure: which held keys steer it and how fast, what stops it, boarding and stepping
// off, citizens bounced and pushed, and the view that follows.
#include <gtest/gtest.h>

#include <bit>

#include "scene/PlayerControl.h"
#include "scene/SceneRects.h"
#include "scene/SceneTestSupport.h"
#include "sprite/SpriteDraw.h"
#include "support/RecordingSound.h"
#include "world/Clock.h"

namespace rq {
namespace {

// A street of size class 2 (city 3); the track strip runs at y 184..194 from x 640.
class PlayerControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.game->effects.Port = &sound;
        w().CurCity = 3;
        w().FuzzbombCity = 9;
        w().city(3).NumCitizens = 0;
        spr().gSceneRects = SceneRectsForSize(2);
        spr()[kPlayerSlot].CitizenNo = kPlayer;
        w().crystals(kPlayer) = 10;
    }
    World& w() { return t.game->world; }
    SpriteEngine& spr() { return t.game->sprites; }
    Sprite& player() { return spr()[kPlayerSlot]; }
    void Place(int slot, int x, int y, int vx, int vy) {
        SprShowAt(spr(), slot, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
        spr()[slot].VX = static_cast<std::int16_t>(vx);
        spr()[slot].VY = static_cast<std::int16_t>(vy);
    }
    int Citizen(int x, int y, int vx, int vy, int crystals = 4) {
        const int n = ++w().city(3).NumCitizens;
        w().city(3).Citizens[static_cast<std::size_t>(n)] = static_cast<std::int16_t>(100 + n);
        Place(kPlayerSlot + n, x, y, vx, vy);
        spr()[kPlayerSlot + n].CitizenNo = static_cast<std::int16_t>(100 + n);
        w().crystals(100 + n) = static_cast<std::int16_t>(crystals);
        return kPlayerSlot + n;
    }
    void StandingTrain() { Place(kTrainSprite, 700, 184 - spr()[kTrainSprite].Height, 0, 0); }

    test::TestGame t;
    test::RecordingSound sound;
};

TEST_F(PlayerControlTest, OneDirectionOrOneOfTheFourCornerPairsIsAMove) {
    for (unsigned bits = 0; bits < 256; ++bits) {
        const bool pair = bits == (kInputUp | kInputRight) || bits == (kInputRight | kInputDown) ||
                          bits == (kInputDown | kInputLeft) || bits == (kInputLeft | kInputUp);
        const bool expected = std::popcount(bits) == 1 || pair;
        for (const unsigned action : {0u, unsigned{kInputAction}}) {
            t.game->scene.InputBits = static_cast<std::uint16_t>(bits | action);
            EXPECT_EQ(IsValidDirection(t.game->scene), expected) << bits << " + " << action;
        }
    }
}

TEST_F(PlayerControlTest, TheHeldKeysGiveTheVelocityUnlessTheTicketWindowIsOpen) {
    const struct {
        std::uint16_t bits;
        int vx, vy;
    } table[] = {{1, 0, -8}, {2, 6, -6},  {5, 6, -6},  {4, 8, 0},   {8, 6, 6},     {20, 6, 6},
                 {16, 0, 8}, {32, -6, 6}, {80, -6, 6}, {64, -8, 0}, {128, -6, -6}, {65, -6, -6}};
    Place(kPlayerSlot, 900, 400, 0, 0);
    for (const auto& row : table) {
        t.game->scene.InputBits = row.bits;
        SteerPlayer(t.ctx);
        EXPECT_EQ(player().VX, row.vx) << row.bits;
        EXPECT_EQ(player().VY, row.vy) << row.bits;
        EXPECT_TRUE(player().Animating);
    }
    t.game->panels.TicketsOpen = true;
    SteerPlayer(t.ctx);
    EXPECT_EQ(player().VX, 0);
    EXPECT_EQ(player().VY, 0);
    t.game->panels.TicketsOpen = false;
    t.game->scene.InputBits = kInputUp | kInputDown;  // opposite keys stand
    SteerPlayer(t.ctx);
    EXPECT_FALSE(player().Animating);
    EXPECT_EQ(player().VY, 0);
}

TEST_F(PlayerControlTest, AFuzzedPlayerIgnoresTheKeysAndTheWalls) {
    w().crystals(kPlayer) = kFuzzed;
    Place(kPlayerSlot, 900, 196, 5, -5);  // walking into the track on its own
    t.game->scene.InputBits = kInputDown;
    SteerPlayer(t.ctx);
    PlayerCollisions(t.ctx);
    EXPECT_EQ(player().VX, 5);
    EXPECT_EQ(player().VY, -5);
    EXPECT_TRUE(player().Shown);
}

TEST_F(PlayerControlTest, TheTrackBoardsOnlyTheChosenStandingTrainOrInTheLastTicksOfAStop) {
    const std::int16_t now = CurrentTrainSlot(w());
    const struct {
        bool train;
        std::int16_t chosen;
        double platformTicks;
        bool boards;
    } table[] = {
        {false, now, 0, false},  // no train: stopped at the edge
        {true, now, 5, true},    // the chosen train stands
        {true, 0, 5, false},     // nothing chosen
        {true, static_cast<std::int16_t>(now % 5 + 1), 26, false},
        {true, 0, 27, true},  // the last three ticks: whatever is chosen
        {true, static_cast<std::int16_t>(now % 5 + 1), 29, true},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.platformTicks);
        spr()[kTrainSprite].Shown = false;
        if (row.train) {
            StandingTrain();
        }
        t.game->scene.SelectedTrain = row.chosen;
        w().PlatformTicks = row.platformTicks;
        Place(kPlayerSlot, 900, 196, 0, -8);
        PlayerCollisions(t.ctx);
        EXPECT_EQ(!player().Shown, row.boards);
        if (!row.boards) {
            EXPECT_EQ(player().VY, 0);
        }
    }
}

TEST_F(PlayerControlTest, ABoardedPlayerStepsOffAStandingTrainWithADownwardKeyAtTheStation) {
    StandingTrain();
    Place(kPlayerSlot, 900, 150, 0, -8);
    SprHide(spr(), kPlayerSlot);
    const int c = Citizen(948, 200, 0, 0);  // on the spot where the player steps off
    player().VY = 8;
    MovePlayerAndView(t.ctx);
    ASSERT_TRUE(player().Shown);
    EXPECT_EQ(player().X, 960 - player().Width / 2);
    EXPECT_EQ(player().Y, 184 + 10 + 1);
    EXPECT_EQ(spr()[c].Y, 200 + player().Height + 3) << "the spot is cleared";

    // Upward, away from the station or with no train standing: the player stays inside.
    for (int variant = 0; variant < 3; ++variant) {
        StandingTrain();
        SprHide(spr(), kPlayerSlot);
        player().VY = variant == 0 ? -8 : 8;
        spr().ViewRow = variant == 1 ? 1 : 0;
        if (variant == 2) {
            spr()[kTrainSprite].VX = -30;
        }
        MovePlayerAndView(t.ctx);
        EXPECT_FALSE(player().Shown) << variant;
        spr().ViewRow = 0;
    }
}

TEST_F(PlayerControlTest, CitizensCrossingThePathTurnBackAndThoseInTheWayArePushed) {
    const int pw = player().Width;
    const int ph = player().Height;
    // A citizen coming down onto the top edge of a player walking right turns back up; the player walks on.
    Place(kPlayerSlot, 900, 500, 8, 0);
    int c = Citizen(905, 500 - spr()[kFirstActorSlot].Height - 1, 0, 3);
    PlayerCollisions(t.ctx);
    EXPECT_EQ(spr()[c].VY, -3);
    EXPECT_EQ(player().VX, 8);
    // One standing in the way of a player walking right is pushed on at 7, and the player stops.
    w().city(3).NumCitizens = 0;
    Place(kPlayerSlot, 900, 500, 8, 0);
    c = Citizen(900 + pw + 2, 500, 0, 0);
    PlayerCollisions(t.ctx);
    EXPECT_EQ(spr()[c].VX, 7);
    EXPECT_EQ(spr()[c].VY, 0);
    EXPECT_EQ(player().VX, 0);
    // Up and right pushes at (5, −5).
    w().city(3).NumCitizens = 0;
    Place(kPlayerSlot, 900, 500, 6, -6);
    c = Citizen(900 + pw + 2, 500 - ph / 2, 0, 0);
    PlayerCollisions(t.ctx);
    EXPECT_EQ(spr()[c].VX, 5);
    EXPECT_EQ(spr()[c].VY, -5);
    // A fuzzy touches even a standing player: half the crystals go.
    w().city(3).NumCitizens = 0;
    Place(kPlayerSlot, 900, 500, 0, 0);
    Citizen(900 + pw - 2, 500, 0, 0, kFuzzed);
    PlayerCollisions(t.ctx);
    EXPECT_EQ(w().crystals(kPlayer), 5);
}

TEST_F(PlayerControlTest, TheViewFollowsTheCentreOneStepATickAndNotOnABoundary) {
    const int hw = player().Width / 2;
    const int hh = player().Height / 2;
    const struct {
        int cx, cy;
        std::int16_t col, row;
    } table[] = {
        {640, 377, 1, 0},   // exactly on both boundaries: the station stays
        {639, 200, 0, 0},   // a pixel left
        {900, 378, 1, 1},   // a pixel down
        {900, 1000, 1, 1},  // far below: one row this tick
    };
    for (const auto& row : table) {
        spr().ViewCol = 1;
        spr().ViewRow = 0;
        Place(kPlayerSlot, row.cx - hw, row.cy - hh, 0, 0);
        MovePlayerAndView(t.ctx);
        EXPECT_EQ(spr().ViewCol, row.col) << row.cx << ", " << row.cy;
        EXPECT_EQ(spr().ViewRow, row.row) << row.cx << ", " << row.cy;
    }
    // A boarded (hidden) player is followed back to the station, a row a tick.
    Place(kPlayerSlot, 900, 150, 0, 0);
    SprHide(spr(), kPlayerSlot);
    spr().ViewCol = 0;
    spr().ViewRow = 2;
    MovePlayerAndView(t.ctx);
    EXPECT_EQ(spr().ViewCol, 1);
    EXPECT_EQ(spr().ViewRow, 1);
    MovePlayerAndView(t.ctx);
    EXPECT_TRUE(StationInView(spr()));
}

}  // namespace
}  // namespace rq
