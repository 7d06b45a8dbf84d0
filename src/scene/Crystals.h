// Crystals lying in the street: dropped by people, replicated next to each other, picked up.
#pragma once

#include "scene/SceneContext.h"

namespace rq {

// Carrying limits: a crystal is taken only while the count is below them.
inline constexpr int kPlayerCrystalLimit = 100;
inline constexpr int kCitizenCrystalLimit = 10;
// The frame of a crystal lying fully grown.
inline constexpr std::int16_t kCrystalLyingFrame = 17;

// The lowest crystal slot (1..100) not in use, or 0 when all lie in the street.
int FindFreeCrystalSlot(const SpriteEngine& spr);

// The walking actor in `slot` (the player or a citizen) drops one of its crystals behind itself.
// A crystal that would land in a wall, on a building or on another crystal is not dropped.
void DropCrystal(SceneContext& ctx, int slot);

// A lying crystal, picked at random, replicates next to itself in one of eight directions.
void SpawnCrystal(SceneContext& ctx);
// A lying crystal replicates every 9 ticks, three game seconds: SpawnCrystal on those ticks.
void SpawnNowAndThen(SceneContext& ctx);

// Whoever walks over a crystal picks it up; a fuzzy is cured by it; at the limit the crystal is lost.
void PickUpCrystals(SceneContext& ctx);

}  // namespace rq
