// The street's three fixed objects: the ticket office, the capitol and the fuzzbomb.
#pragma once

#include <cstdint>

#include "scene/SceneContext.h"

namespace rq {

// Does the actor in `slot` meet the ticket office (103), the capitol (104) or the shown fuzzbomb
// (105) on its next move? Returns the first of them it meets, or 0. The actor's velocity is
// reflected off the object, and the meeting has its consequence: the player walks into the ticket
// office from below or the capitol from the right; the fuzzbomb is destroyed by a player carrying
// exactly 100 crystals and fuzzes anybody else who is clean.
std::int16_t TouchSceneObjects(SceneContext& ctx, int slot);

// The winning contact: every citizen is cured and carries nothing, the fuzzbomb disappears.
void DestroyFuzzbomb(SceneContext& ctx);

}  // namespace rq
