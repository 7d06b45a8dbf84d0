// The one-line description of a city on the map and in the information panel.
#pragma once

#include <cstdint>
#include <string>

#include "world/World.h"

namespace rq {

// "Fuzzbomb City", "Fuzzed City", "1 Crystal" or the crystal count followed by " Crystals".
std::string CityDescription(const World& w, std::int16_t city);

}  // namespace rq
