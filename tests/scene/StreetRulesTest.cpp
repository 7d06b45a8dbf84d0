// The street's rules one meeting at a time: bounces, boarding, the player as an obstacle, fuzzies'
// touches and aims, crystals dropped, replicated and picked up, the bounded passes and the win.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "scene/ActorPass.h"
#include "scene/CityTick.h"
#include "scene/Crystals.h"
#include "scene/Fuzzies.h"
#include "scene/SceneObjects.h"
#include "scene/SceneRects.h"
#include "scene/SceneTestSupport.h"
#include "support/RecordingSound.h"
#include "world/Clock.h"
#include "world/Trains.h"

namespace rq {
namespace {

// A street of size class 2 (city 3): the station's row 0 and row 1 below it, x 645..1275.
class StreetRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.game->effects.Port = &sound;
        w().CurCity = 3;
        w().FuzzbombCity = 9;
        spr().gSceneRects = SceneRectsForSize(2);
        spr()[kPlayerSlot].CitizenNo = kPlayer;
    }
    World& w() { return t.game->world; }
    SpriteEngine& spr() { return t.game->sprites; }
    void Clear() {
        for (int s = 1; s < kSpriteSlots; ++s) spr()[s].Shown = spr()[s].Blocked = false;
        w().city(3).NumCitizens = 0;
        t.game->scene.Meetings.clear();
        sound.played.clear();
    }
    void Place(int slot, int x, int y, int vx = 0, int vy = 0) {
        SprShowAt(spr(), slot, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
        spr()[slot].VX = static_cast<std::int16_t>(vx);
        spr()[slot].VY = static_cast<std::int16_t>(vy);
    }
    // The next citizen (100 + n, in slot 109 + n) walks at (x, y); crystals −1 makes it a fuzzy.
    int Actor(int x, int y, int vx, int vy, int crystals = 4) {
        const int n = ++w().city(3).NumCitizens;
        w().city(3).Citizens[static_cast<std::size_t>(n)] = static_cast<std::int16_t>(100 + n);
        Place(kPlayerSlot + n, x, y, vx, vy);
        spr()[kPlayerSlot + n].CitizenNo = static_cast<std::int16_t>(100 + n);
        spr()[kPlayerSlot + n].Frame = static_cast<std::int16_t>(crystals < 0 ? 5 : 9);
        w().crystals(100 + n) = static_cast<std::int16_t>(crystals);
        return kPlayerSlot + n;
    }
    void Player(int x, int y, int vx, int vy, int crystals = 10) {
        w().crystals(kPlayer) = static_cast<std::int16_t>(crystals);
        spr()[kPlayerSlot].Frame = crystals < 0 ? 5 : 1;
        Place(kPlayerSlot, x, y, vx, vy);
    }
    void ExpectCourse(int slot, int vx, int vy) {
        EXPECT_EQ(spr()[slot].VX, vx);
        EXPECT_EQ(spr()[slot].VY, vy);
    }

    test::TestGame t;
    test::RecordingSound sound;
};

TEST_F(StreetRulesTest, WallsAndTheTrackWithoutATrainTurnWalkersAway) {
    // x, y, course; the course after the look ahead and whether it stands still this tick.
    // clang-format off
    for (const auto& c : {std::array{900, 712, 0, 7, 0, -7, 0}, {900, 712, 5, 5, 5, -5, 0}, {1246, 500, 7, 0, -7, 0, 0},
                          {1246, 712, 5, 5, -5, -5, 1}, {900, 200, 0, -7, 0, 7, 0}}) {
        // clang-format on
        Clear();
        const int a = Actor(c[0], c[1], c[2], c[3]);
        ActorPass(t.ctx);
        ExpectCourse(a, c[4], c[5]);
        EXPECT_EQ(spr()[a].Blocked, c[6] == 1);
    }
    Clear();  // two walkers side by side on one course go on together
    const int b = Actor(900, 500, 7, 0);
    Actor(924, 500, 7, 0);
    ActorPass(t.ctx);
    ExpectCourse(b + 1, 7, 0);
    EXPECT_FALSE(t.game->scene.ActorPassAgain || spr()[b].Blocked);
}

TEST_F(StreetRulesTest, WalkersBoardTheStandingTrainWhileASeatIsFreeAndTheSlotsCloseUp) {
    // Fuzzy?, ticks the train has stood, seats taken, boards?
    for (const auto& c : {std::array{0, 1, 0, 1}, {1, 20, 0, 0}, {1, 27, 0, 1}, {0, 5, kSeats, 0}}) {
        Clear();
        Place(kTrainSprite, 840, 144);
        w().PlatformTicks = c[1];
        const std::int16_t s = CurrentTrainSlot(w());
        for (int k = 1; k <= kSeats; ++k) RiderAt(w(), 3, s, 1, k) = static_cast<std::int16_t>(k <= c[2] ? k : 0);
        const int a = Actor(900, 200, 0, -7, c[0] == 1 ? -1 : 4);
        Actor(700, 600, 7, 0);
        ActorPass(t.ctx);
        EXPECT_EQ(w().city(3).NumCitizens, 2 - c[3]) << "nobody is lost";
        EXPECT_EQ(RiderAt(w(), 3, s, 1, std::min(c[2] + 1, kSeats)), c[3] == 1 ? 101 : c[2]);
        EXPECT_EQ(spr()[a].CitizenNo, 101 + c[3]);
        EXPECT_EQ(spr()[a + 1].Shown, c[3] == 0);
    }
}

TEST_F(StreetRulesTest, FuzziesMeetingThePlayerTurnBackStepAsideOrArePushedAndTouchIt) {
    // The player's course; the fuzzy's place and course; its course after, and whether it touched.
    // clang-format off
    for (const auto& c : {std::array{0, 0, 870, 500, 7, 0, -7, 0, 1}, {0, -8, 870, 500, 7, 0, -7, 0, 1},
                          {0, -8, 900, 461, 0, 7, 0, -7, 1}, {8, 0, 926, 500, 7, 0, 7, 0, 0},
                          {6, 6, 924, 510, 5, 5, 5, 5, 1}, {0, 0, 926, 500, 0, 0, 0, 0, 0}}) {
        // clang-format on
        Clear();
        Player(900, 500, c[0], c[1]);
        const int a = Actor(c[2], c[3], c[4], c[5], -1);
        // Walking the same way (straight at full speeds 8 and 7, or both standing) is no meeting.
        EXPECT_EQ(iActorLookAhead(t.ctx, a), c[8] == 1);
        ExpectCourse(a, c[6], c[7]);
        EXPECT_EQ(t.game->scene.Meetings.size(), static_cast<std::size_t>(c[8]));
    }
    Clear();  // a fuzzed player walks: running into a citizen's back, it turns round and takes half
    Player(900, 500, 8, 0, -1);
    const int c = Actor(925, 500, 7, 0, 4);
    ActorPass(t.ctx);
    ExpectCourse(kPlayerSlot, -8, 0);
    ExpectCourse(c, 7, 0);
    EXPECT_EQ(w().crystals(101), 2);
}

TEST_F(StreetRulesTest, JostlingWalkersEndTheirPassesAndEachPairMeetsOncePerTick) {
    Actor(921, 539, 0, 7, 3);
    Actor(919, 513, 0, 7, -1);
    Actor(929, 512, 5, -5, 3);
    test::TestGame twin;  // the same jostle, left to itself, never settles
    twin.game->world = w();
    twin.game->sprites.gSprites = spr().gSprites;
    twin.game->sprites.gSceneRects = spr().gSceneRects;
    for (int pass = 0; pass < 1000; ++pass) {
        twin.game->scene.ActorPassAgain = false;
        ActorPass(twin.ctx);
        ASSERT_TRUE(twin.game->scene.ActorPassAgain);
    }
    EXPECT_EQ(CollisionPasses(t.ctx), kMaxCollisionPasses);
    EXPECT_EQ(w().crystals(103), 1) << "halved once in all the passes of the tick";
    int passes = kMaxCollisionPasses;
    for (int tick = 0; tick < 3 && passes == kMaxCollisionPasses; ++tick) {
        MoveActors(t.ctx);
        passes = CollisionPasses(t.ctx);
    }
    EXPECT_LT(passes, kMaxCollisionPasses) << "the walkers parted";
}

TEST_F(StreetRulesTest, AFuzzysTouchHalvesCrystalsOncePerPairAndFuzzesThoseWithNone) {
    const int p = Actor(900, 500, 7, 0, 1);
    FuzzyHit(t.ctx, p, 120);
    FuzzyHit(t.ctx, p, 120);
    EXPECT_EQ(w().crystals(101), 0) << "kept 0: one touch counted";
    EXPECT_EQ(spr()[p].Frame, 5) << "flashes in the fuzzy look";
    EndHitFlash(t.ctx);
    EXPECT_EQ(spr()[p].Frame, 9);
    FuzzyHit(t.ctx, p, 121);
    EXPECT_EQ(w().crystals(101), kFuzzed);
    // A flash left on an actor that has since come back as a newcomer keeps its own look.
    spr()[p].Frame = 10;
    spr()[p].FrameDelay = 1;
    EndHitFlash(t.ctx);
    EXPECT_EQ(spr()[p].Frame, 10);
}

// A person whose hit flash is still showing is a person all the same: the fuzzbomb touched in the
// same tick fuzzes it, with the sound, and the fuzzy look stays after the flash.
TEST_F(StreetRulesTest, APersonFlashingFromAHitIsFuzzedByTheFuzzbomb) {
    for (const bool player : {true, false}) {
        Clear();
        Place(kFuzzbombSlot, 900, 540);
        const int p = player ? kPlayerSlot : Actor(870, 550, 7, 0, 2);
        if (player) Player(870, 550, 8, 0, 2);
        FuzzyHit(t.ctx, p, 121);
        ASSERT_EQ(spr()[p].FrameDelay, 1) << "flashing";
        EXPECT_EQ(TouchSceneObjects(t.ctx, p), kFuzzbombSlot);
        EXPECT_EQ(w().crystals(spr()[p].CitizenNo), kFuzzed) << (player ? "the player" : "a citizen");
        EXPECT_EQ(sound.Count("makefzzy.wav"), 1);
        EndHitFlash(t.ctx);
        EXPECT_EQ(spr()[p].FirstFrame, kFuzzyFirstFrame);
        EXPECT_EQ(spr()[p].Frame, 5) << "the fuzzy look for good";
    }
}

// One crystal, two fuzzies in one tick: the first leaves the player none, the second fuzzes it, and
// the fuzzed player walks off as every fuzzed player does.
TEST_F(StreetRulesTest, APlayerFuzzedByTheSecondOfTwoFuzziesWalksOff) {
    Player(900, 500, 0, 0, 1);
    spr()[kPlayerSlot].Animating = false;
    FuzzyHit(t.ctx, kPlayerSlot, 120);
    FuzzyHit(t.ctx, kPlayerSlot, 121);
    EXPECT_EQ(w().crystals(kPlayer), kFuzzed);
    const Sprite& me = spr()[kPlayerSlot];
    EXPECT_TRUE(me.VX != 0 || me.VY != 0) << "the random walk";
    EXPECT_EQ(std::max(std::abs(me.VX), std::abs(me.VY)), me.VX == 0 || me.VY == 0 ? 8 : 6);
    EXPECT_TRUE(me.Animating);
}

TEST_F(StreetRulesTest, FuzziesHuntOnlyThePeopleOfTheirView) {
    w().GameTime = 15;
    // A person's place; the course of the fuzzy at (700, 390) after aiming.
    // clang-format off
    for (const auto& c : {std::array{900, 400, 7, 0}, {710, 600, 0, 7}, {900, 600, 5, 5}, {705, 405, 0, -7},
                          {700, 380, 0, -7}, {500, 400, 0, -7}}) {
        // clang-format on
        Clear();
        const int f = Actor(700, 390, 0, -7, -1);
        Actor(c[0], c[1], 0, 0, 0);
        AimFuzzies(t.ctx);
        ExpectCourse(f, c[2], c[3]);
    }
}

TEST_F(StreetRulesTest, WanderingAndDroppingDrawInTheGamesOrder) {
    w().GameTime = 90;
    const int a = Actor(900, 400, 0, 7, 4);
    Actor(700, 600, 7, 0, 0);
    Actor(1000, 600, 7, 0, -1);
    // Wander: a yes then direction 2, b no, the fuzzy yes then direction 7; drop: only a draws.
    w().Rng.Script({0.01, 0.3, 0.9, 0.04, 0.99, 0.1});
    AimFuzzies(t.ctx);
    EXPECT_EQ(w().Rng.ScriptedLeft(), 0u);
    ExpectCourse(a, 0, 7);
    ExpectCourse(a + 2, -5, -5);
    EXPECT_EQ(w().crystals(101), 3);
    w().crystals(103) = 0;  // no fuzzy about: nobody draws to drop
    w().GameTime = 105;
    w().Rng.Script({0.0});
    AimFuzzies(t.ctx);
    EXPECT_EQ(w().Rng.ScriptedLeft(), 1u);
}

TEST_F(StreetRulesTest, ACrystalLandingOnSomethingIsNotDroppedAndTheDropperKeepsIt) {
    // The dropper's x and course; an obstacle and where it stands; dropped?
    // clang-format off
    for (const auto& c : {std::array{900, 7, 0, 0, 0, 1}, {900, 7, 50, 890, 515, 0}, {900, 7, 103, 840, 470, 0},
                          {900, 7, 105, 850, 480, 0}, {1240, -7, 0, 0, 0, 0}, {900, 0, 0, 0, 0, 0}}) {
        // clang-format on
        Clear();
        if (c[2] != 0) Place(c[2], c[3], c[4]);
        DropCrystal(t.ctx, Actor(c[0], 500, c[1], 0, 4));
        EXPECT_EQ(w().crystals(101), 4 - c[5]);
        EXPECT_EQ(spr()[1].Shown, c[5] == 1);
        EXPECT_EQ(sound.Count("drpcryst.wav"), c[5]);
        EXPECT_EQ(spr()[1].FirstFrame, 12) << "a crystal is never fuzzed";
    }
}

TEST_F(StreetRulesTest, AReplicaDrawsItsSourceSlotThenTheTossOnEveryTry) {
    Place(1, 900, 500);
    // Slot 5 is empty; slot 1 loses the toss, then wins it; direction 2, to the right.
    w().Rng.Script({0.04, 0.1, 0.0, 0.9, 0.0, 0.2, 0.3});
    SpawnCrystal(t.ctx);
    EXPECT_EQ(w().Rng.ScriptedLeft(), 0u);
    EXPECT_TRUE(spr()[2].Shown && spr()[2].Animating);
    EXPECT_EQ(spr()[2].X, 913);
    EXPECT_EQ(sound.Count("repcryst.wav"), 1);
}

TEST_F(StreetRulesTest, WhoeverWalksOverACrystalTakesItUpToTheLimit) {
    // The player?, crystals before and after; 1 when the crystal was taken, 0 when it was lost.
    for (const auto& c :
         {std::array{1, 99, 100, 1}, {1, 100, 100, 0}, {0, 9, 10, 1}, {0, 10, 10, 0}, {0, -1, 0, 1}, {1, -1, 0, 1}}) {
        Clear();
        const int who = c[0] == 1 ? kPlayerSlot : Actor(900, 500, 0, 0, c[1]);
        if (c[0] == 1) Player(900, 500, 0, 0, c[1]);
        Place(7, 905, 505);
        PickUpCrystals(t.ctx);
        EXPECT_EQ(w().crystals(spr()[who].CitizenNo), c[2]);
        EXPECT_EQ(sound.Count(c[3] == 1 ? "pckcryst.wav" : "maxcryst.wav"), 1);
        EXPECT_FALSE(spr()[7].Shown);
        EXPECT_LT(spr()[who].Frame, c[0] == 1 ? 4 : 12) << "a cured fuzzy looks itself again";
    }
}

TEST_F(StreetRulesTest, TheTickShowsAHitForOnePictureAndTheWinOnce) {
    w().GameTime = 1000;
    const int p = Actor(900, 500, 7, 0, 4);
    Actor(924, 500, 0, 0, -1);
    TimerInCity(t.ctx);
    EXPECT_EQ(spr()[p].FirstFrame, 4);
    EXPECT_EQ(w().crystals(101), 2);
    TimerInCity(t.ctx);
    EXPECT_EQ(spr()[p].FirstFrame, 8) << "the two have parted: the flash is over";
    DestroyFuzzbomb(t.ctx);
    TimerInCity(t.ctx);
    TimerInCity(t.ctx);
    EXPECT_EQ(t.port.exclamations, 1);
    EXPECT_EQ(t.port.messages.back(), "Congratulations!  You have destroyed the fuzzbomb and saved the country!");
}

}  // namespace
}  // namespace rq
