// The world's state: the cities, the citizens' crystals, the clock and the random generator.
#pragma once

#include <array>
#include <cstdint>

#include "base/Random.h"
#include "world/City.h"

namespace rq {

struct World {
    std::array<City, kNumCities + 1> Cities{};
    // Crystals per citizen 0..3001: 0 or more = crystals carried, −1 = fuzzed; 3001 is the player.
    std::array<std::int16_t, kNumCitizens + 2> CitizenCrystals{};
    std::int16_t CurCity = 0;       // 0 while the player travels
    std::int16_t FuzzbombCity = 0;  // 0 once the fuzzbomb is destroyed
    double GameTime = 0;            // thirds of a second since midnight
    std::int32_t DayNum = 1;
    Random Rng;

    City& city(int c) { return Cities.at(static_cast<std::size_t>(c)); }
    const City& city(int c) const { return Cities.at(static_cast<std::size_t>(c)); }
    std::int16_t& crystals(int citizen) { return CitizenCrystals.at(static_cast<std::size_t>(citizen)); }
    std::int16_t crystals(int citizen) const { return CitizenCrystals.at(static_cast<std::size_t>(citizen)); }
};

}  // namespace rq
