// Everything a city-scene operation works on: the world, the sprites, the sound, the window and the
// scene's own state between ticks.
#pragma once

#include "base/SoundPort.h"
#include "scene/Scene.h"
#include "scene/ScenePort.h"
#include "sprite/SpriteEngine.h"
#include "world/World.h"

namespace rq {

struct SceneContext {
    World& w;
    SpriteEngine& spr;
    EffectPlayer& fx;
    ScenePort& port;
    Scene& scene;
};

}  // namespace rq
