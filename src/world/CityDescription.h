// The one-line description of a city on the map and in the information panel.
#pragma once

#include <cstdint>
#include <string>

#include "world/World.h"

namespace rq {

// "Fuzzbomb City", "Fuzzed City", "1 Crystal" or the crystal count followed by " Crystals".
std::string CityDescription(const World& w, std::int16_t city);

// What CityDescription says of a city, without building its text (arrivals and the start-city
// search ask for many cities).
struct DescriptionWords {
    bool CrystalWord = false;     // contains "Crystal": neither fuzzed nor the fuzzbomb city
    bool PluralCrystals = false;  // contains "Crystals", which "1 Crystal" does not
    bool FuzzedCity = false;      // reads "Fuzzed City"
    bool FuzzbombCity = false;    // reads "Fuzzbomb City"
};
DescriptionWords DescribeWords(const World& w, std::int16_t city);

}  // namespace rq
