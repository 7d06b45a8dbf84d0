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

// A train stands at the platform this long: ten game seconds of three ticks.
inline constexpr int kStandTicks = 30;

// The last three ticks of a stop, after the whistle: whoever reaches the track then boards, whatever
// train the ticket says.
inline constexpr double kLastCallTicks = 27;

// A train stands at the platform: the ordinary or the marked train is shown and not moving.
inline bool TrainStandsAtPlatform(const SpriteEngine& spr) {
    return (spr[kTrainSprite].Shown && spr[kTrainSprite].VX == 0) ||
           (spr[kMarkedTrainSprite].Shown && spr[kMarkedTrainSprite].VX == 0);
}

// The train at the platform has handed its riders over and the trains have not moved on yet: for
// these few ticks the last stage of the present slot, in every city, still lists riders who are now
// in their destination or queued onward.
bool RidersHandedOver(const World& w, const SpriteEngine& spr);

// A stop cut short in those ticks (a new game): the trains move on now, as the stop would have moved
// them a moment later, so that nobody is handed over a second time when the slot comes round again.
void MoveOnAfterHandOver(World& w, const SpriteEngine& spr);

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
