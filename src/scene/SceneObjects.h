// The street's three fixed objects: the ticket office, the capitol and the fuzzbomb.
#pragma once

#include <cstdint>

#include "scene/SceneContext.h"
#include "sprite/SpriteDraw.h"

namespace rq {

// Which edges of a box an actor's next box spans.
struct EdgesSpanned {
    bool Bottom = false;
    bool Right = false;
};

// Turns an actor that runs into a box (a wall, the track or a fixed object) away from it: off the
// box's bottom edge VY points down, else off its top edge up; off its right edge VX points right,
// else off its left edge left. Edges are tested on the actor's box after its next move.
EdgesSpanned BounceOffBox(Sprite& actor, const SpriteBox& box);

// Does the actor in `slot` meet the ticket office (103), the capitol (104) or the shown fuzzbomb
// (105) on its next move? Returns the first of them it meets, or 0. The actor's velocity is
// reflected off the object, and the meeting has its consequence: the player walks into the ticket
// office from below or the capitol from the right; the fuzzbomb is destroyed by a player carrying
// exactly 100 crystals and fuzzes anybody else who is clean.
std::int16_t TouchSceneObjects(SceneContext& ctx, int slot);

// The winning contact: every citizen is cured and carries nothing, the fuzzbomb disappears.
void DestroyFuzzbomb(SceneContext& ctx);

}  // namespace rq
