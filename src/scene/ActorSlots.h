// Keeping the street's actor slots in step with the city's citizen list.
#pragma once

#include <cstdint>

#include "scene/SceneContext.h"

namespace rq {

// Drops the citizens whose actors have left the street (hidden, for example on a train) from the
// current city and closes up the actor slots, so that the shown actors stay packed from 110.
void CompactActors(SceneContext& ctx);

// The first shown slot above `slot` up to 134, or 0 when there is none.
int NextShownSlot(const SpriteEngine& spr, int slot);

// The place (1..25) of a citizen in the current city's list, or 0 when it is not there.
int FindCitizenPlace(const World& w, std::int16_t citizen);

// Exchanges two whole sprite records, save-under surfaces included, so each slot keeps a valid surface.
void SwapSprites(SpriteEngine& spr, int a, int b);

}  // namespace rq
