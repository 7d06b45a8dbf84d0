// One tick of the city phase, and clearing the street when the player leaves a city.
#pragma once

#include <cstdint>

#include "main/Frontend.h"
#include "main/Game.h"

namespace rq {

// The departure banner's text for a destination.
std::string DepartureBannerText(const std::string& destinationName);

// One city tick: the clock, the train announcement and the banner's blink, the sprites and the
// train at the platform, the picture of the street, and the start of a journey once the player's
// train has left with the player aboard.
void TimerInCity(Game& game, Frontend& fe);

// Clears the street of `city` when the player leaves it: crystals left lying are picked up by
// random citizens, every sprite is hidden, the ticket choice and the history are cleared.
void LeaveCity(Game& game, Frontend& fe, std::int16_t city);

}  // namespace rq
