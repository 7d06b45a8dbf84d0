// The actor helpers: looks and their sounds, and clearing a spot by pushing overlapping actors down,
// with its chain bounded. (Random frames and step-off walks: the newcomers of ArrivalsTest.)
#include <gtest/gtest.h>

#include "WorldTestKit.h"
#include "world/Actors.h"

namespace rq {
namespace {

using testkit::Draw;
using testkit::kActorHeight;
using testkit::TestWorld;

class ActorsTest : public ::testing::Test, protected TestWorld {
protected:
    ActorsTest() {
        BuildStreet();
        W().CurCity = 1;
    }
    // City 1 gets n citizens whose actors are slots 110.. (hidden until shown by a test).
    void Citizens(int n) {
        for (int i = 0; i < n; ++i) {
            const std::int16_t c = AddCitizens(1, {4})[0];
            Spr()[kFirstActorSlot + i].CitizenNo = c;
        }
    }
};

TEST_F(ActorsTest, MakeCitizenActorKeepsTheAnimationPhaseAndPlaysItsSound) {
    Spr()[110].Frame = 6;
    Spr()[110].FirstFrame = 4;
    Spr()[110].LastFrame = 7;
    MakeCitizenActor(Spr(), fx, 110);
    EXPECT_EQ(Spr()[110].Frame, 10);
    EXPECT_EQ(Spr()[110].FirstFrame, 8);
    EXPECT_EQ(Spr()[110].LastFrame, 11);
    EXPECT_EQ(Spr()[110].SrcX, 300);

    Spr()[kPlayerSlot].Frame = 5;
    MakeCitizenActor(Spr(), fx, kPlayerSlot);
    EXPECT_EQ(Spr()[kPlayerSlot].Frame, 1);
    EXPECT_EQ(Spr()[kPlayerSlot].FirstFrame, 0);
    EXPECT_EQ(Spr()[kPlayerSlot].LastFrame, 3);
    // An actor that already has the citizen look only has its picture refreshed, and is heard too.
    Spr()[111].Frame = 9;
    Spr()[111].SrcX = 0;
    MakeCitizenActor(Spr(), fx, 111);
    EXPECT_EQ(Spr()[111].Frame, 9);
    EXPECT_EQ(Spr()[111].SrcX, 270);
    // A fuzzy just placed in a street shows a citizen frame under the fuzzy's range for its first
    // picture; cured then, it takes the citizen's range, so its animation never wraps into the fuzzy look.
    Spr()[112].Frame = 9;
    Spr()[112].FirstFrame = 4;
    Spr()[112].LastFrame = 7;
    MakeCitizenActor(Spr(), fx, 112);
    EXPECT_EQ(Spr()[112].Frame, 9);
    EXPECT_EQ(Spr()[112].FirstFrame, 8);
    EXPECT_EQ(Spr()[112].LastFrame, 11);
    EXPECT_EQ(sound.played, std::vector<std::string>(4, "makectzn.wav"));
}

TEST_F(ActorsTest, MakeFuzzyActorFuzzesTheCitizenItShows) {
    Citizens(1);
    Spr()[110].Frame = 9;
    MakeFuzzyActor(W(), Spr(), fx, 110);
    EXPECT_EQ(Spr()[110].Frame, 5);
    EXPECT_EQ(Spr()[110].FirstFrame, 4);
    EXPECT_EQ(Spr()[110].LastFrame, 7);
    EXPECT_EQ(Spr()[110].FrameDelay, 3);
    EXPECT_EQ(W().crystals(Spr()[110].CitizenNo), kFuzzed);
    // An actor already in the fuzzy look only gets its frame range, its delay and the sound, unless
    // that look is a hit's flash (FrameDelay 1): then it is a person, and is fuzzed.
    for (const int delay : {3, 1}) {
        Spr()[110].Frame = 6;
        Spr()[110].FrameDelay = static_cast<std::int16_t>(delay);
        W().crystals(Spr()[110].CitizenNo) = 4;
        MakeFuzzyActor(W(), Spr(), fx, 110);
        EXPECT_EQ(Spr()[110].Frame, 6);
        EXPECT_EQ(Spr()[110].FrameDelay, 3);
        EXPECT_EQ(W().crystals(Spr()[110].CitizenNo), delay == 1 ? kFuzzed : 4) << "delay " << delay;
    }
    EXPECT_EQ(sound.played, (std::vector<std::string>(3, "makefzzy.wav")));
}

TEST_F(ActorsTest, AFuzzedPlayerWandersOffAndTheCountIsRefreshed) {
    testkit::CountingDisplay display;
    W().CrystalDisplay = &display;
    W().crystals(kPlayer) = 12;
    Spr()[kPlayerSlot].Frame = 3;
    Spr()[kPlayerSlot].Animating = false;
    // (0, 0) is drawn again; then left and straight: (−8, 0).
    W().Rng.Script({Draw(1, 3), Draw(1, 3), Draw(0, 3), Draw(1, 3)});
    MakeFuzzyActor(W(), Spr(), fx, kPlayerSlot);
    const Sprite& p = Spr()[kPlayerSlot];
    EXPECT_EQ(p.Frame, 7);
    EXPECT_EQ(W().crystals(kPlayer), kFuzzed);
    EXPECT_TRUE(p.Animating);
    EXPECT_EQ(p.VX, -8);
    EXPECT_EQ(p.VY, 0);
    EXPECT_EQ(display.updates, 1);

    // A diagonal walk is 8 / √2 rounded: 6.
    Spr()[kPlayerSlot].Frame = 0;
    W().Rng.Script({Draw(2, 3), Draw(0, 3)});
    MakeFuzzyActor(W(), Spr(), fx, kPlayerSlot);
    EXPECT_EQ(p.VX, 6);
    EXPECT_EQ(p.VY, -6);
}

TEST_F(ActorsTest, PushingMovesWhatOverlapsAndWhatThatLandsOn) {
    Citizens(3);
    SprShowAt(Spr(), kPlayerSlot, 950, 195);
    SprShowAt(Spr(), 112, 960, 230);  // overlaps the player
    SprShowAt(Spr(), 110, 965, 280);  // stands where 112 will land
    SprShowAt(Spr(), 111, 300, 280);  // out of the way
    Spr()[110].Blocked = true;        // marks left from before are cleared
    PushOverlappingActors(W(), Spr(), kPlayerSlot, 0, kActorHeight + 3);
    EXPECT_EQ(Spr()[112].Y, 273);
    EXPECT_EQ(Spr()[110].Y, 323);
    EXPECT_EQ(Spr()[111].Y, 280);
    EXPECT_EQ(Spr()[kPlayerSlot].Y, 195);
    for (int slot = kPlayerSlot; slot <= 112; ++slot) {
        EXPECT_FALSE(Spr()[slot].Blocked);
    }
}

TEST_F(ActorsTest, ThePushTakesTheFirstMoveFromItsArguments) {
    Citizens(1);
    SprShowAt(Spr(), kPlayerSlot, 950, 195);
    SprShowAt(Spr(), 110, 955, 200);
    PushOverlappingActors(W(), Spr(), kPlayerSlot, 30, -5);
    EXPECT_EQ(Spr()[110].X, 985);
    EXPECT_EQ(Spr()[110].Y, 195);
}

// Two overlapping actors where the lower-numbered one walks up: once pushed down, its next step
// would reach the other again, which would push it back, and so on without end.
TEST_F(ActorsTest, TheChainEndsWhereAPushWouldComeBack) {
    Citizens(2);
    SprShowAt(Spr(), 110, 900, 110);
    Spr()[110].VY = -15;
    SprShowAt(Spr(), 111, 900, 100);
    PushOverlappingActors(W(), Spr(), 111, 0, kActorHeight + 3);
    // 110 moved once; 111, whose spot was being cleared, did not move at all.
    EXPECT_EQ(Spr()[110].Y, 110 + kActorHeight + 3);
    EXPECT_EQ(Spr()[111].Y, 100);
    EXPECT_FALSE(Spr()[110].Blocked);
    EXPECT_FALSE(Spr()[111].Blocked);
}

TEST_F(ActorsTest, InAFullStreetEveryActorMovesAtMostOnce) {
    Citizens(25);
    // Everybody stacked on the same spot, walking up into each other.
    for (int slot = kFirstActorSlot; slot <= kLastActorSlot; ++slot) {
        SprShowAt(Spr(), slot, 900, 300);
        Spr()[slot].VY = -20;
    }
    SprShowAt(Spr(), kPlayerSlot, 900, 300);
    PushOverlappingActors(W(), Spr(), kPlayerSlot, 0, kActorHeight + 3);
    for (int slot = kFirstActorSlot; slot <= kLastActorSlot; ++slot) {
        const int y = Spr()[slot].Y;
        EXPECT_TRUE(y == 300 || y == 300 + kActorHeight + 3) << slot << " at " << y;
        EXPECT_FALSE(Spr()[slot].Blocked);
    }
}

}  // namespace
}  // namespace rq
