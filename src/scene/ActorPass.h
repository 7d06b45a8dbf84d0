// The street's walkers look one step ahead: bounces off walls and buildings, boarding the standing
// train, contacts between actors and with the player, and the collision passes of one tick.
#pragma once

#include "scene/SceneContext.h"

namespace rq {

// The passes of one tick end when nothing more changes, or after this many passes. Two actors that
// keep meeting could otherwise ask for another pass for ever; a soak of thousands of busy streets
// never needs more than a handful.
inline constexpr int kMaxCollisionPasses = 25;

// An actor at the track strip gets on the standing train: a clean citizen or the player at once, a
// fuzzy only after the train has stood 27 ticks. A citizen takes the first free seat of the train's
// first stage and leaves the street; a full train takes no more walkers.
bool BoardTrain(SceneContext& ctx, int slot);

// Looks one step ahead for one walker: fixed objects, then walls and the track, then another actor,
// then the player. True when the walker turned (its velocity may have changed).
bool iActorLookAhead(SceneContext& ctx, int slot);

// One pass over the walkers (the citizens, and the player while fuzzed). A walker that turned is
// tried once more and stands still this tick if it would turn again. Departed citizens are then
// dropped from the city and the actor slots closed up.
void ActorPass(SceneContext& ctx);

// The collision passes of one tick: passes while a pass asks for another (up to
// kMaxCollisionPasses), each followed by stopping a clean player about to run into a citizen.
// Returns how many passes ran. If the limit is reached, walkers whose next move would take them
// into a wall, the track, a building or the player stand still this tick; walkers that only jostle
// each other walk on and part.
int CollisionPasses(SceneContext& ctx);

}  // namespace rq
