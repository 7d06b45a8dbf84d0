// The platform train: arrival kinematics, the network's passes on the standing train's ticks, departure.
#include "world/Platform.h"

#include <cmath>

#include "sprite/SpriteDraw.h"
#include "world/Arrivals.h"
#include "world/Clock.h"
#include "world/Trains.h"

namespace rq {

namespace {

// Ticks of standing (a third of a game second each) at which the network's passes run.
constexpr int kArrivalsSecond = 1;
constexpr int kAdvanceSecond = 2;
constexpr int kWhistleSecond = 9;
constexpr int kDepartureSecond = kStandTicks / 3;

// The player, hidden in the station view, has walked into the train that just left: seat 1 of stage 1.
void SeatThePlayer(World& w, std::int16_t slot) {
    for (int k = 1; k <= kSeats; ++k) {
        if (RiderAt(w, w.CurCity, slot, 1, k) == 0) {
            RiderAt(w, w.CurCity, slot, 1, k) = RiderAt(w, w.CurCity, slot, 1, 1);
            RiderAt(w, w.CurCity, slot, 1, 1) = kPlayer;
            return;
        }
    }
}

}  // namespace

void BoardQueuedRiders(World& w, std::int16_t city, std::int16_t s) {
    // The queue takes the free seats in order, so citizens who walked into the standing train keep
    // theirs; a queue that does not fit waits for the next train.
    int seat = FirstFreeSeat(w, city, s);
    int q = 1;
    while (q <= kSeats && WaitingAt(w, city, s, q) != 0 && seat <= kSeats) {
        RiderAt(w, city, s, 1, seat) = WaitingAt(w, city, s, q);
        ++q;
        ++seat;
    }
    // Close up the queue behind those who boarded.
    int kept = 1;
    for (; q <= kSeats && WaitingAt(w, city, s, q) != 0; ++q, ++kept) {
        WaitingAt(w, city, s, kept) = WaitingAt(w, city, s, q);
    }
    for (; kept <= kSeats; ++kept) {
        WaitingAt(w, city, s, kept) = 0;
    }
}

PlatformEvents TrainAtPlatform(World& w, SpriteEngine& spr, EffectPlayer& fx) {
    PlatformEvents events;
    const std::int16_t slot = CurrentTrainSlot(w);
    for (const std::int16_t t : {kTrainSprite, kMarkedTrainSprite}) {
        Sprite& train = spr[t];
        if (!train.Shown) {
            continue;
        }
        SprMoveBy(spr, t, train.VX, train.VY);
        if (train.VX != 0) {
            // One rule brakes a train coming in from the right and speeds up one leaving to the left.
            const double centre = train.X + train.Width / 2.0;
            const double d = std::abs(centre - kPlatformCentre);
            const double h = std::abs(train.VX / 2.0);
            if (h < d) {
                if (centre > kPlatformCentre) {
                    ++train.VX;
                } else if (centre < kPlatformCentre) {
                    --train.VX;
                }
            } else {
                w.StoppedSpeed = train.VX;
                train.VX = 0;
                w.PlatformTicks = 0;
            }
        }
        if (train.VX == 0) {
            w.PlatformTicks += 1;
            const double second = w.PlatformTicks / 3;
            if (second == kArrivalsSecond) {
                ProcessAllArrivals(w, spr, fx, slot);
                events.ArrivalsRan = true;
            } else if (second == kAdvanceSecond) {
                AdvanceAllRiders(w, slot);
            } else if (second == kWhistleSecond) {
                fx.PlayEffect(kTrain);
            } else if (second == kDepartureSecond) {
                train.VX = w.StoppedSpeed;
                w.PlatformTicks = 0;
                // The player's own city departs when the train is out of sight, below.
                DeparturePass(w, slot);
            }
        }
        if (train.X + train.Width < kStationLeft) {
            events.TrainGone = true;
            BoardQueuedRiders(w, w.CurCity, slot);
            SprHide(spr, t);
            if (!spr[kPlayerSlot].Shown && StationInView(spr)) {
                SeatThePlayer(w, slot);
            }
        }
    }
    return events;
}

bool RidersHandedOver(const World& w, const SpriteEngine& spr) {
    const double second = w.PlatformTicks / 3;
    return TrainStandsAtPlatform(spr) && second >= kArrivalsSecond && second < kAdvanceSecond;
}

void MoveOnAfterHandOver(World& w, const SpriteEngine& spr) {
    if (RidersHandedOver(w, spr)) {
        AdvanceAllRiders(w, CurrentTrainSlot(w));
    }
}

}  // namespace rq
