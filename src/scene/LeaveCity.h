// Clearing the street when the player leaves a city (a departure or a new game).
#pragma once

#include <cstdint>

#include "scene/SceneContext.h"

namespace rq {

// Clears the street of `city`: crystals left lying are picked up by random citizens, every sprite
// is hidden, the ticket choice and the panels with their history are cleared.
void LeaveCity(SceneContext& ctx, std::int16_t city);

}  // namespace rq
