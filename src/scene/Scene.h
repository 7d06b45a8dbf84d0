// The city scene's state between ticks: the banner, the collision passes and the meeting log.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "sprite/Surface.h"

namespace rq {

struct Scene {
    bool DepartureBannerOn = false;  // the departure banner blinks while true
    bool ActorPassAgain = false;     // one more collision pass is wanted within this tick
    // The meeting log of one tick: the person and the fuzzy of each meeting, by slot.
    std::vector<std::pair<std::int16_t, std::int16_t>> Meetings;
    Surface View{640, 377};    // the view shown on screen, filled by each city tick
    std::string TransitRoute;  // "city -> destination" of the journey under way
};

}  // namespace rq
