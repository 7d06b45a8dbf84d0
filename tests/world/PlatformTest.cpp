// The train at the platform: how it brakes in and stops, the network's passes on its standing ticks,
// its departure, and who boards once it has gone.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "sprite/SpriteDraw.h"
#include "support/RecordingSound.h"
#include "support/TestSprites.h"
#include "world/CityTable.h"
#include "world/Platform.h"
#include "world/Trains.h"

namespace rq {
namespace {

class TrainAtPlatformTest : public ::testing::Test {
protected:
    static constexpr std::int16_t kHere = 1;  // Birmingham; its slot-1 train goes to city 2

    void SetUp() override {
        test::MakeTestSprites(spr);
        BuildCityTable(w);
        BuildRailLinks(w);
        w.CurCity = kHere;
        w.GameTime = 0;  // the slot-1 window
        fx.Port = &sound;
        spr.ViewCol = 1;
        spr.ViewRow = 0;
        SprShowAt(spr, kPlayerSlot, 900, 250);
    }
    // The slot-1 train comes in as the city tick starts it: at x 1280 on the track at speed 30.
    void TrainComesIn() {
        SprShowAt(spr, kTrainSprite, 1280, static_cast<std::int16_t>(184 - spr[kTrainSprite].Height));
        spr[kTrainSprite].VX = -30;
    }
    // Runs ticks until the train has stopped; returns how many it took.
    int RunUntilStopped() {
        int ticks = 0;
        while (spr[kTrainSprite].VX != 0 && ticks < 1000) {
            TrainAtPlatform(w, spr, fx);
            ++ticks;
        }
        return ticks;
    }
    // Runs ticks until the train has gone; returns the ticks and whether it went.
    int RunUntilGone(PlatformEvents& last) {
        int ticks = 0;
        do {
            last = TrainAtPlatform(w, spr, fx);
            ++ticks;
        } while (!last.TrainGone && ticks < 1000);
        return ticks;
    }

    std::unique_ptr<World> wp = std::make_unique<World>();
    World& w = *wp;
    std::unique_ptr<SpriteEngine> sp = std::make_unique<SpriteEngine>();
    SpriteEngine& spr = *sp;
    test::RecordingSound sound;
    EffectPlayer fx;
};

TEST_F(TrainAtPlatformTest, ATrainBrakesInAndStopsWithItsCentreAtThePlatform) {
    TrainComesIn();
    int previousSpeed = 30;
    int ticks = 0;
    while (spr[kTrainSprite].VX != 0 && ticks < 100) {
        TrainAtPlatform(w, spr, fx);
        ++ticks;
        if (spr[kTrainSprite].VX != 0) {
            EXPECT_EQ(-spr[kTrainSprite].VX, previousSpeed - 1) << "it brakes by one a tick";
            previousSpeed = -spr[kTrainSprite].VX;
        }
    }
    ASSERT_EQ(spr[kTrainSprite].VX, 0);
    const double centre = spr[kTrainSprite].X + spr[kTrainSprite].Width / 2.0;
    EXPECT_LE(std::abs(centre - kPlatformCentre), std::abs(w.StoppedSpeed / 2.0));
    EXPECT_LT(w.StoppedSpeed, 0);
    EXPECT_GT(w.StoppedSpeed, -30);
    EXPECT_EQ(w.PlatformTicks, 1) << "the tick it stops is its first standing tick";
}

TEST_F(TrainAtPlatformTest, TheNetworksPassesRunOnTheirStandingTicks) {
    // A rider about to arrive in city 2, one under way from city 3, and one queued in city 3.
    const std::int16_t d = w.city(kHere).TrainDest[1];
    RiderAt(w, kHere, 1, kStages, 1) = 700;
    RiderAt(w, 3, 1, 1, 1) = 701;
    WaitingAt(w, 3, 1, 1) = 702;
    TrainComesIn();
    RunUntilStopped();
    std::vector<int> arrivalsAt;
    for (int tick = 2; tick <= 30; ++tick) {
        const PlatformEvents e = TrainAtPlatform(w, spr, fx);
        if (e.ArrivalsRan) {
            arrivalsAt.push_back(tick);
        }
        if (tick == 3) {
            EXPECT_EQ(RiderAt(w, kHere, 1, kStages, 1), 700) << "arrivals hand riders over, advances empty stage 18";
            EXPECT_NE(w.city(d).Citizens[static_cast<std::size_t>(w.city(d).NumCitizens)], 0);
        }
        if (tick == 5) {
            EXPECT_EQ(RiderAt(w, 3, 1, 1, 1), 701);
        }
        if (tick == 6) {
            EXPECT_EQ(RiderAt(w, 3, 1, 2, 1), 701) << "advance on the sixth tick";
            EXPECT_EQ(RiderAt(w, kHere, 1, kStages, 1), 0);
        }
        if (tick == 26) {
            EXPECT_TRUE(sound.played.empty());
        }
        if (tick == 27) {
            EXPECT_EQ(sound.played, std::vector<std::string>{"train.wav"});
        }
        if (tick == 29) {
            EXPECT_EQ(WaitingAt(w, 3, 1, 1), 702);
            EXPECT_EQ(spr[kTrainSprite].VX, 0);
        }
    }
    EXPECT_EQ(arrivalsAt, std::vector<int>{3});
    EXPECT_EQ(WaitingAt(w, 3, 1, 1), 0) << "departures on the thirtieth tick";
    EXPECT_EQ(RiderAt(w, 3, 1, 1, 1), 702);
    EXPECT_EQ(spr[kTrainSprite].VX, w.StoppedSpeed) << "it leaves at the speed it stopped with";
    EXPECT_EQ(w.PlatformTicks, 0);
}

TEST_F(TrainAtPlatformTest, ThePlayersCityDepartsOnlyWhenTheTrainIsOutOfSight) {
    WaitingAt(w, kHere, 1, 1) = 801;
    WaitingAt(w, kHere, 1, 2) = 802;
    TrainComesIn();
    RunUntilStopped();
    for (int tick = 2; tick <= 30; ++tick) TrainAtPlatform(w, spr, fx);
    EXPECT_EQ(WaitingAt(w, kHere, 1, 1), 801);
    // Two citizens walk into the standing train before it leaves.
    RiderAt(w, kHere, 1, 1, 1) = 501;
    RiderAt(w, kHere, 1, 1, 2) = 502;
    PlatformEvents last;
    RunUntilGone(last);
    EXPECT_TRUE(last.TrainGone);
    EXPECT_FALSE(spr[kTrainSprite].Shown);
    EXPECT_LT(spr[kTrainSprite].X + spr[kTrainSprite].Width, 640);
    // Nobody who walked in is written over: the queue takes the next free seats.
    EXPECT_EQ(RiderAt(w, kHere, 1, 1, 1), 501);
    EXPECT_EQ(RiderAt(w, kHere, 1, 1, 2), 502);
    EXPECT_EQ(RiderAt(w, kHere, 1, 1, 3), 801);
    EXPECT_EQ(RiderAt(w, kHere, 1, 1, 4), 802);
    EXPECT_EQ(RiderAt(w, kHere, 1, 1, 5), 0);
    EXPECT_EQ(WaitingAt(w, kHere, 1, 1), 0);
}

TEST_F(TrainAtPlatformTest, AQueueThatDoesNotFitWaitsForTheNextTrain) {
    for (int k = 1; k <= 24; ++k) RiderAt(w, kHere, 2, 1, k) = static_cast<std::int16_t>(1000 + k);
    for (int q = 1; q <= 5; ++q) WaitingAt(w, kHere, 2, q) = static_cast<std::int16_t>(2000 + q);
    BoardQueuedRiders(w, kHere, 2);
    EXPECT_EQ(RiderAt(w, kHere, 2, 1, 25), 2001);
    EXPECT_EQ(RiderAt(w, kHere, 2, 1, 26), 2002);
    EXPECT_EQ(WaitingAt(w, kHere, 2, 1), 2003);
    EXPECT_EQ(WaitingAt(w, kHere, 2, 2), 2004);
    EXPECT_EQ(WaitingAt(w, kHere, 2, 3), 2005);
    EXPECT_EQ(WaitingAt(w, kHere, 2, 4), 0);
}

TEST_F(TrainAtPlatformTest, APlayerWhoWalkedInTakesSeatOneWhenTheTrainHasGone) {
    TrainComesIn();
    RunUntilStopped();
    for (int tick = 2; tick <= 10; ++tick) TrainAtPlatform(w, spr, fx);  // past the advance
    RiderAt(w, kHere, 1, 1, 1) = 501;                                    // a citizen walked in first
    SprHide(spr, kPlayerSlot);                                           // then the player
    PlatformEvents last;
    RunUntilGone(last);
    EXPECT_EQ(RiderAt(w, kHere, 1, 1, 1), kPlayer);
    EXPECT_EQ(RiderAt(w, kHere, 1, 1, 2), 501);
}

TEST_F(TrainAtPlatformTest, APlayerWhoLeftTheStationViewIsNotSeated) {
    TrainComesIn();
    RunUntilStopped();
    SprHide(spr, kPlayerSlot);
    spr.ViewRow = 1;
    PlatformEvents last;
    RunUntilGone(last);
    EXPECT_EQ(RiderAt(w, kHere, 1, 1, 1), 0);
}

TEST_F(TrainAtPlatformTest, AFullTrainHasNoSeatForThePlayer) {
    TrainComesIn();
    RunUntilStopped();
    for (int tick = 2; tick <= 10; ++tick) TrainAtPlatform(w, spr, fx);  // past the advance
    for (int k = 1; k <= kSeats; ++k) RiderAt(w, kHere, 1, 1, k) = static_cast<std::int16_t>(1100 + k);
    SprHide(spr, kPlayerSlot);
    PlatformEvents last;
    RunUntilGone(last);
    for (int k = 1; k <= kSeats; ++k) EXPECT_NE(RiderAt(w, kHere, 1, 1, k), kPlayer);
}

}  // namespace
}  // namespace rq
