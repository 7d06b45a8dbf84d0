// Fuzzies and citizens in the street: the fuzzy's touch, the hit flash, hunting, wandering, dropping
// crystals while fuzzies are about, and the actors' moves.
#pragma once

#include <cstdint>

#include "scene/SceneContext.h"

namespace rq {

// Fuzzies and citizens choose their targets every 15 ticks (five game seconds).
inline constexpr int kAimTicks = 15;
// Every 90 ticks (half a game minute) some walkers turn at random.
inline constexpr int kWanderTicks = 90;

// A fuzzy touches a person (both by slot): the person loses half its crystals, rounded down, and
// flashes in the fuzzy look for one picture, or is fuzzed when it carried none. A pair counts once
// per tick.
void FuzzyHit(SceneContext& ctx, int person, int fuzzy);

// Has this person already been hit by this fuzzy in this tick?
bool PairAlreadyHit(const Scene& scene, int person, int fuzzy);

// Ends last tick's hit flashes: the player and the citizens take their own looks back.
void EndHitFlash(SceneContext& ctx);

// Is the player or any of the street's citizens fuzzed?
bool AnyFuzzyPresent(const SceneContext& ctx);

// Every 15 ticks each fuzzy heads for the nearest person of its view and each citizen for the
// nearest crystal of its view; every 90 ticks some walkers turn at random; every 15 ticks, while a
// fuzzy is about, citizens drop crystals now and then.
void AimFuzzies(SceneContext& ctx);

// Moves every citizen that may move this tick and clears the Blocked flags for the next one.
void MoveActors(SceneContext& ctx);

}  // namespace rq
