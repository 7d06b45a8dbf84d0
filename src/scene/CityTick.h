// One tick of the city phase, in the game's fixed order.
#pragma once

#include <string>

#include "scene/SceneContext.h"

namespace rq {

// What the tick tells the game loop.
enum class CityTickResult : std::uint8_t {
    StayInCity,     // the next tick is a city tick again
    JourneyBegins,  // the player's train has left with the player aboard: the next tick travels
};

// The departure banner's text for a destination.
std::string DepartureBannerText(const std::string& destinationName);

// Shows or hides the departure banner strip; the scene keeps whether it shows.
void ShowDepartureBanner(SceneContext& ctx, bool visible);

// One city tick: the win announcement, the clock, the train announcement and the banner's blink,
// the end of last tick's hit flashes, the sprites and the train at the platform, the fuzzies' aims,
// the collision passes and the moves, crystals dropped, replicated and picked up, the picture of the
// street, and the start of a journey once the player's train has left with the player aboard.
CityTickResult TimerInCity(SceneContext& ctx);

}  // namespace rq
