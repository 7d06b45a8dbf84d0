// The street in a saved game: every sprite slot, the scene rectangles, the view and the scene's state.
#pragma once

#include "base/SoundPort.h"
#include "save/SaveJson.h"
#include "scene/Scene.h"
#include "sprite/SpriteEngine.h"

namespace rq {

Json StreetToJson(const SpriteEngine& spr, const Scene& scene, const EffectPlayer& fx);

// Reads them into a game whose sprite slots start-up made: the frames and the slots' sizes are the
// files', never the save's. The pictures are composed again from this state by whoever shows them.
void StreetFromJson(const Field& in, SpriteEngine& spr, Scene& scene, EffectPlayer& fx);

}  // namespace rq
