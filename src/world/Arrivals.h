// Arrivals: the riders of a train's last stage step off, travel on, or carry the fuzz into the city.
#pragma once

#include <cstdint>

#include "base/SoundPort.h"
#include "sprite/SpriteEngine.h"
#include "world/World.h"

namespace rq {

// Hands the riders of stage 18 of route (c, s) over to the destination d. Seats 1..3 may get off
// (none while the player sits in seat 1); the rest, and anyone d cannot take, queue for d's own train
// of slot s. Clean riders are fuzzed in a fuzzed city; fuzzy riders attack a clean one. In the
// player's city a train with a fuzzy aboard lets only its fuzzies off, the newcomers line up on the
// platform, and the player steps off a train after a journey. Silent throughout: SceneBuilding is set.
// Must run before AdvanceRiders of the same window, which empties stage 18.
void ProcessArrivals(World& w, SpriteEngine& spr, EffectPlayer& fx, std::int16_t c, std::int16_t s);

// Shows the player's figure on the platform: centred on it, one pixel below the track strip.
void ShowPlayerOnPlatform(SpriteEngine& spr);

// Queues the rider of stage 18, seat k of route (c, s) for the slot-s train of its destination;
// with all 26 places taken the rider is lost (counted in LostRiders).
void QueueOnward(World& w, std::int16_t c, std::int16_t s, int k);

// The fuzzy citizen f, who has just joined city d, attacks 4..8 times: a victim with crystals loses
// half, one without is fuzzed and attacks in turn while d still reads "... Crystals". f is cured
// if anybody in d still holds a crystal afterwards.
// Hands over stage 18 of the slot-s train of every city, before any advance empties it.
void ProcessAllArrivals(World& w, SpriteEngine& spr, EffectPlayer& fx, std::int16_t s);

void FuzzyArrives(World& w, std::int16_t f, std::int16_t d, std::int16_t s);

}  // namespace rq
