// Showing, hiding, moving, animating and the collision tests of the sprite table.
#include <gtest/gtest.h>

#include "sprite/SpriteTestSupport.h"

namespace rq {
namespace {

using test::Make;
using test::MakeEngine;

TEST(SprShowAt, ShowsTheSpriteAndLeavesOtherSlotsAlone) {
    auto e = MakeEngine();
    Make(*e, 110, 8, 11, true, 3);
    SprShowAt(*e, 110, 100, 50);
    const Sprite& s = (*e)[110];
    EXPECT_TRUE(s.Shown);
    EXPECT_EQ(s.X, 100);
    EXPECT_EQ(s.Y, 50);
    // An uncreated or impossible slot is left alone.
    SprShowAt(*e, 50, 10, 20);
    EXPECT_FALSE((*e)[50].Shown);
    EXPECT_EQ((*e)[50].X, 0);
    SprShowAt(*e, -1, 10, 20);
    SprShowAt(*e, 135, 10, 20);
    SprHide(*e, 500);
    SprMoveBy(*e, -7, 1, 1);
    for (int slot = 0; slot < kSpriteSlots; ++slot) EXPECT_EQ((*e)[slot].Shown, slot == 110) << slot;
}

TEST(SprHideAndMove, HiddenSpritesKeepTheirPlaceBlockedOnesDoNotMoveAndMovesWrapAt16Bits) {
    auto e = MakeEngine();
    Make(*e, 109, 0, 3, true, 3);
    SprMoveBy(*e, 109, 5, 5);
    EXPECT_EQ((*e)[109].X, 0) << "a sprite that is not shown does not move";
    SprShowAt(*e, 109, 200, 100);
    SprMoveBy(*e, 109, -8, 6);
    EXPECT_EQ((*e)[109].X, 192);
    EXPECT_EQ((*e)[109].Y, 106);
    (*e)[109].Blocked = true;
    SprMoveBy(*e, 109, 8, 8);
    EXPECT_EQ((*e)[109].X, 192);
    (*e)[109].Blocked = false;
    SprHide(*e, 109);
    EXPECT_FALSE((*e)[109].Shown);
    EXPECT_EQ((*e)[109].X, 192);
    SprMoveBy(*e, 109, 8, 8);
    EXPECT_EQ((*e)[109].X, 192);
    SprShowAt(*e, 109, 32760, 0);  // 16-bit arithmetic
    SprMoveBy(*e, 109, 10, 0);
    EXPECT_EQ((*e)[109].X, -32766);
}

// Crystals (delay 1) play once and stop on their last frame; actors (delay 3) loop, changing every
// third tick; hidden or still sprites keep their frame.
TEST(SprAnimate, CrystalsPlayOnceActorsLoopAndHiddenOrStillSpritesKeepTheirFrame) {
    auto e = MakeEngine();
    Make(*e, 50, 12, 17, true, 1);
    Make(*e, 110, 8, 11, true, 3);
    Make(*e, 112, 8, 11, true, 1);
    Make(*e, 105, 22, 25, false, 1);
    for (const int slot : {50, 110, 105}) SprShowAt(*e, slot, 10, 10);
    std::vector<int> crystal, actor;
    for (int tick = 0; tick < 15; ++tick) {
        SprAnimate(*e);
        crystal.push_back((*e)[50].Frame);
        actor.push_back((*e)[110].Frame);
    }
    EXPECT_EQ(crystal, (std::vector<int>{13, 14, 15, 16, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17}));
    EXPECT_FALSE((*e)[50].Animating);
    EXPECT_EQ((*e)[50].SrcX, 30 * 17);
    EXPECT_EQ(actor, (std::vector<int>{8, 8, 9, 9, 9, 10, 10, 10, 11, 11, 11, 8, 8, 8, 9}));
    EXPECT_TRUE((*e)[110].Animating);
    EXPECT_EQ((*e)[110].SrcX, 30 * 9);
    EXPECT_EQ((*e)[112].Frame, 8);
    EXPECT_EQ((*e)[105].Frame, 22);
}

TEST(SprAnimate, AFrameBeyondTheLookWrapsToItsFirstFrame) {
    // An actor placed with a citizen frame that then takes the fuzzy look wraps to frame 4.
    auto e = MakeEngine();
    Make(*e, 111, 8, 11, true, 3);
    SprShowAt(*e, 111, 10, 10);
    Sprite& s = (*e)[111];
    s.FirstFrame = 4;
    s.LastFrame = 7;
    s.Frame = 10;
    s.DelayCount = 1;
    SprAnimate(*e);
    EXPECT_EQ(s.Frame, 4);
    EXPECT_EQ(s.SrcX, 120);
}

class Collision : public ::testing::Test {
protected:
    void SetUp() override {
        e = MakeEngine();
        Make(*e, 110, 8, 11, true, 3);  // 20 × 30
        Make(*e, 111, 8, 11, true, 3);
        Make(*e, 112, 8, 11, true, 3);
        Make(*e, 109, 0, 3, true, 3);
    }
    Sprite& S(int slot) { return (*e)[slot]; }
    std::unique_ptr<SpriteEngine> e;
};

TEST_F(Collision, BoxesSharingOnlyAnEdgeOrACornerCollide) {
    SprShowAt(*e, 110, 100, 100);  // 20 × 30
    const struct {
        std::int16_t x, y;
        bool hit;
    } cases[] = {
        {120, 100, true}, {121, 100, false},  // 111's left edge on 110's right edge, or one past it
        {100, 130, true}, {100, 131, false},  // bottom edge on top edge
        {80, 70, true},   {79, 69, false},    // corners touch, or one short
    };
    for (const auto& c : cases) {
        SprShowAt(*e, 111, c.x, c.y);
        EXPECT_EQ(iSprCollide(*e, 110, 111), c.hit) << c.x << "," << c.y;
        EXPECT_EQ(iSprCollide(*e, 111, 110), c.hit) << c.x << "," << c.y;
    }
}

TEST_F(Collision, TheTestLooksOneMoveAheadUnlessTheSpriteIsBlocked) {
    SprShowAt(*e, 110, 100, 100);
    SprShowAt(*e, 111, 127, 100);
    EXPECT_FALSE(iSprCollide(*e, 110, 111));
    S(110).VX = 7;
    EXPECT_TRUE(iSprCollide(*e, 110, 111));
    S(111).VX = 7;
    EXPECT_FALSE(iSprCollide(*e, 110, 111)) << "both move the same way";
    S(111).VY = -31;
    S(111).VX = -7;
    EXPECT_FALSE(iSprCollide(*e, 110, 111)) << "111 passes above";
    // A blocked sprite is tested where it stands and keeps its velocity.
    S(111).VX = 0;
    S(111).VY = 0;
    S(110).VX = 7;
    S(110).VY = -5;
    S(110).Blocked = true;
    EXPECT_FALSE(iSprCollide(*e, 110, 111));
    EXPECT_EQ(S(110).VX, 7);
    EXPECT_EQ(S(110).VY, -5);
    S(110).Blocked = false;
    EXPECT_TRUE(iSprCollide(*e, 110, 111));
}

TEST_F(Collision, HiddenSpritesAndASpriteWithItselfNeverCollide) {
    SprShowAt(*e, 110, 100, 100);
    SprShowAt(*e, 111, 100, 100);
    EXPECT_FALSE(iSprCollide(*e, 110, 110));
    SprHide(*e, 111);
    EXPECT_FALSE(iSprCollide(*e, 110, 111));
    EXPECT_FALSE(iSprCollide(*e, 111, 110));
    EXPECT_FALSE(iSprCollide(*e, 110, 120)) << "never created";
}

TEST_F(Collision, HitsRectUsesTheSameEdgesAndTheBlockedRule) {
    e->gSceneRects = {SceneRect{}, SceneRect{640, 184, 640, 10}, SceneRect{1275, 0, 10, 1131}};
    SprShowAt(*e, 109, 700, 154);  // bottom at 184: touches the track strip
    EXPECT_TRUE(iSprHitsRect(*e, 109, 1));
    SprShowAt(*e, 109, 700, 153);
    EXPECT_FALSE(iSprHitsRect(*e, 109, 1));
    S(109).VY = 1;
    EXPECT_TRUE(iSprHitsRect(*e, 109, 1));
    S(109).Blocked = true;
    EXPECT_FALSE(iSprHitsRect(*e, 109, 1));
    S(109).Blocked = false;
    SprShowAt(*e, 109, 1285, 500);  // left edge on the wall's right edge
    S(109).VY = 0;
    EXPECT_TRUE(iSprHitsRect(*e, 109, 2));
    SprShowAt(*e, 109, 1286, 500);
    EXPECT_FALSE(iSprHitsRect(*e, 109, 2));
    EXPECT_FALSE(iSprHitsRect(*e, 109, 3)) << "no such rectangle";
    SprShowAt(*e, 109, 1275, 500);
    SprHide(*e, 109);
    EXPECT_FALSE(iSprHitsRect(*e, 109, 2)) << "a hidden sprite hits nothing";
}

TEST_F(Collision, FindCollisionReturnsTheFirstHitInAscendingOrder) {
    SprShowAt(*e, 109, 100, 100);
    SprShowAt(*e, 110, 300, 300);
    SprShowAt(*e, 111, 110, 110);
    SprShowAt(*e, 112, 90, 90);
    EXPECT_EQ(iSprFindCollision(*e, 109, 110, 112), 111);
    EXPECT_EQ(iSprFindCollision(*e, 109, 112, 112), 112);
    EXPECT_EQ(iSprFindCollision(*e, 109, 110, 110), 0);
    EXPECT_EQ(iSprFindCollision(*e, 109, 110, 109), 0) << "an empty range";
    EXPECT_EQ(iSprFindCollision(*e, 111, 109, 134), 109) << "the slot itself is skipped";
    SprHide(*e, 109);
    EXPECT_EQ(iSprFindCollision(*e, 109, 0, 134), 0) << "a hidden slot finds nothing";
    EXPECT_EQ(iSprFindCollision(*e, 111, -5, 1000), 112);
}

}  // namespace
}  // namespace rq
