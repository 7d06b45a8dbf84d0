// Meetings with the ticket office, the capitol and the fuzzbomb: who may enter, from which side,
// how velocities reflect, and the winning contact.
#include <gtest/gtest.h>

#include "scene/SceneObjects.h"
#include "scene/SceneTestSupport.h"
#include "sprite/SpriteDraw.h"

namespace rq {
namespace {

using test::TestGame;

class SceneObjectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        World& w = t.game->world;
        w.CurCity = 3;
        City& c = w.city(3);
        c.NumCitizens = 2;
        c.Citizens[1] = 40;
        c.Citizens[2] = 41;
        w.crystals(40) = 4;
        w.crystals(41) = kFuzzed;
        w.crystals(kPlayer) = 10;
        spr()[kFirstActorSlot].CitizenNo = 40;
        spr()[kFirstActorSlot + 1].CitizenNo = 41;
        spr()[kPlayerSlot].CitizenNo = kPlayer;
        // The ticket office (60 × 50) at (500, 400), the capitol (80 × 60) at (100, 600),
        // the fuzzbomb (40 × 40) at (900, 540).
        SprShowAt(spr(), kTicketOfficeSlot, 500, 400);
        SprShowAt(spr(), kCapitolSlot, 100, 600);
        SprShowAt(spr(), kFuzzbombSlot, 900, 540);
        w.FuzzbombCity = 3;
    }
    SpriteEngine& spr() { return t.game->sprites; }
    // Puts an actor (24 × 32) at (x, y) walking (vx, vy).
    void Walk(int slot, int x, int y, int vx, int vy) {
        SprShowAt(spr(), slot, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
        spr()[slot].VX = static_cast<std::int16_t>(vx);
        spr()[slot].VY = static_cast<std::int16_t>(vy);
    }
    std::int16_t Touch(int slot) { return TouchSceneObjects(t.ctx, slot); }

    TestGame t;
};

TEST_F(SceneObjectsTest, NothingNearbyMeansNoContactAndNoChange) {
    Walk(kPlayerSlot, 300, 300, 8, 0);
    EXPECT_EQ(Touch(kPlayerSlot), 0);
    EXPECT_EQ(spr()[kPlayerSlot].VX, 8);
    spr()[kPlayerSlot].Shown = false;
    Walk(kFirstActorSlot, 510, 455, 0, -7);
    spr()[kFirstActorSlot].Shown = false;
    EXPECT_EQ(Touch(kFirstActorSlot), 0) << "a hidden actor meets nothing";
}

TEST_F(SceneObjectsTest, ThePlayerWalksIntoTheTicketOfficeFromBelow) {
    Walk(kPlayerSlot, 510, 455, 0, -8);  // top at 447 after the move: spans the office's bottom (450)
    EXPECT_EQ(Touch(kPlayerSlot), kTicketOfficeSlot);
    EXPECT_FALSE(spr()[kPlayerSlot].Shown);
    EXPECT_EQ(spr()[kPlayerSlot].VX, 0);
    EXPECT_EQ(spr()[kPlayerSlot].VY, 0);
    EXPECT_TRUE(t.game->panels.TicketsOpen);
}

TEST_F(SceneObjectsTest, TheTicketOfficesSidesAndTopOnlyTurnThePlayer) {
    Walk(kPlayerSlot, 470, 410, 8, 0);  // from the left: right edge 502 after the move
    EXPECT_EQ(Touch(kPlayerSlot), kTicketOfficeSlot);
    EXPECT_TRUE(spr()[kPlayerSlot].Shown);
    EXPECT_EQ(spr()[kPlayerSlot].VX, -8);
    EXPECT_FALSE(t.game->panels.TicketsOpen);
    Walk(kPlayerSlot, 510, 362, 0, 8);  // from above: bottom 402 after the move
    EXPECT_EQ(Touch(kPlayerSlot), kTicketOfficeSlot);
    EXPECT_EQ(spr()[kPlayerSlot].VY, -8);
    EXPECT_FALSE(t.game->panels.TicketsOpen);
}

TEST_F(SceneObjectsTest, CitizensAndAFuzzedPlayerBounceOffTheDoorInstead) {
    Walk(kFirstActorSlot, 510, 455, 0, -7);
    EXPECT_EQ(Touch(kFirstActorSlot), kTicketOfficeSlot);
    EXPECT_TRUE(spr()[kFirstActorSlot].Shown);
    EXPECT_EQ(spr()[kFirstActorSlot].VY, 7);
    t.game->world.crystals(kPlayer) = kFuzzed;
    Walk(kPlayerSlot, 510, 455, 0, -8);
    EXPECT_EQ(Touch(kPlayerSlot), kTicketOfficeSlot);
    EXPECT_TRUE(spr()[kPlayerSlot].Shown);
    EXPECT_EQ(spr()[kPlayerSlot].VY, 8);
    EXPECT_FALSE(t.game->panels.TicketsOpen);
}

TEST_F(SceneObjectsTest, TheCapitolIsEnteredFromItsRightSide) {
    Walk(kPlayerSlot, 185, 610, -8, 0);  // left edge 177 after the move: spans the right side (180)
    EXPECT_EQ(Touch(kPlayerSlot), kCapitolSlot);
    EXPECT_FALSE(spr()[kPlayerSlot].Shown);
    EXPECT_TRUE(t.game->panels.InfoOpen);
    Walk(kPlayerSlot, 70, 610, 8, 0);  // from the left: turned away
    EXPECT_EQ(Touch(kPlayerSlot), kCapitolSlot);
    EXPECT_TRUE(spr()[kPlayerSlot].Shown);
    EXPECT_EQ(spr()[kPlayerSlot].VX, -8);
    EXPECT_TRUE(t.game->panels.InfoOpen);
}

TEST_F(SceneObjectsTest, NinetyNineCrystalsAreNotEnoughForTheFuzzbomb) {
    t.game->world.crystals(kPlayer) = 99;
    Walk(kPlayerSlot, 870, 550, 8, 0);
    EXPECT_EQ(Touch(kPlayerSlot), kFuzzbombSlot);
    EXPECT_EQ(t.game->world.crystals(kPlayer), kFuzzed);
    EXPECT_EQ(t.game->world.FuzzbombCity, 3);
    EXPECT_TRUE(spr()[kFuzzbombSlot].Shown);
}

TEST_F(SceneObjectsTest, ExactlyAHundredCrystalsDestroyTheFuzzbombAndCureEveryone) {
    t.game->world.crystals(kPlayer) = 100;
    t.game->world.crystals(2999) = kFuzzed;
    SprShowAt(spr(), kFirstActorSlot + 1, 200, 200);
    spr()[kFirstActorSlot + 1].FirstFrame = 4;
    spr()[kFirstActorSlot + 1].LastFrame = 7;
    spr()[kFirstActorSlot + 1].Frame = 5;
    Walk(kPlayerSlot, 870, 550, 8, 0);
    EXPECT_EQ(Touch(kPlayerSlot), kFuzzbombSlot);
    EXPECT_EQ(t.game->world.FuzzbombCity, 0);
    EXPECT_FALSE(spr()[kFuzzbombSlot].Shown);
    EXPECT_EQ(t.game->world.crystals(kPlayer), 100) << "the player keeps the crystals";
    for (const int citizen : {1, 40, 41, 2999, 3000}) EXPECT_EQ(t.game->world.crystals(citizen), 0);
    EXPECT_EQ(spr()[kFirstActorSlot + 1].FirstFrame, 8) << "the fuzzy looks like a citizen again";
    EXPECT_EQ(spr()[kFirstActorSlot + 1].Frame, 9);
}

TEST_F(SceneObjectsTest, ACleanCitizenTouchingTheFuzzbombIsFuzzedAndAFuzzyIsNot) {
    Walk(kFirstActorSlot, 870, 550, 7, 0);
    spr()[kFirstActorSlot].Frame = 9;
    EXPECT_EQ(Touch(kFirstActorSlot), kFuzzbombSlot);
    EXPECT_EQ(t.game->world.crystals(40), kFuzzed);
    EXPECT_EQ(spr()[kFirstActorSlot].Frame, 5);
    EXPECT_EQ(spr()[kFirstActorSlot].VX, -7);
}

}  // namespace
}  // namespace rq
