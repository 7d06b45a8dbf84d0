// Building a city's street scene when the player arrives.
#pragma once

#include <cstdint>

#include "scene/SceneObjects.h"

namespace rq {

// The walls of the city's size class into gSceneRects.
void BuildSceneRects(SpriteEngine& spr, const City& city);

// May the actor stand where it is now: no fixed object, no wall or track, no other actor?
bool IsPlacementFree(SceneContext& ctx, int slot);

// Builds the street of `city` (always CurCity): status bar, walls, scenery, ticket office, capitol,
// fuzzbomb and the citizens as walking actors at free random places; the view returns to the station.
void EnterCity(SceneContext& ctx, std::int16_t city);

}  // namespace rq
