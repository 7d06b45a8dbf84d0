// The train at the platform of the player's city: it brakes in, stands, drives the network's passes
// and leaves; then the queue and the player board.
#pragma once

#include <cstdint>

#include "base/SoundPort.h"
#include "sprite/SpriteEngine.h"
#include "world/World.h"

namespace rq {

// The station view's left edge, in scene pixels: a train past it has left.
inline constexpr int kStationLeft = 640;

// The last three ticks of a stop, after the whistle: whoever reaches the track then boards, whatever
// train the ticket says.
inline constexpr double kLastCallTicks = 27;

// A train stands at the platform: the ordinary or the marked train is shown and not moving.
inline bool TrainStandsAtPlatform(const SpriteEngine& spr) {
    return (spr[kTrainSprite].Shown && spr[kTrainSprite].VX == 0) ||
           (spr[kMarkedTrainSprite].Shown && spr[kMarkedTrainSprite].VX == 0);
}

// What a tick at the platform did that the window shows.
struct PlatformEvents {
    bool ArrivalsRan = false;  // the network's arrivals ran: the map and the panel may show new fuzz
    bool TrainGone = false;    // a train has left the station: the banner stops, the schedule moves on
};

// One city tick of the shown train sprites (101, then 102).
PlatformEvents TrainAtPlatform(World& w, SpriteEngine& spr, EffectPlayer& fx);

// The riders queued in `city` for slot `s` take the first free seats of stage 1, after whoever walked
// into the standing train; riders who find no seat stay queued for the next train.
void BoardQueuedRiders(World& w, std::int16_t city, std::int16_t s);

}  // namespace rq
