// The world's state: the cities, the citizens' crystals, the clock and the random generator.
#pragma once

#include <array>
#include <cstdint>

#include "base/Random.h"
#include "world/City.h"

namespace rq {

// The status bar's crystal count. Fuzzing the player must refresh it at once; the window implements
// this, tests count the calls, and a world without a window leaves the pointer empty.
class CrystalDisplayPort {
public:
    virtual ~CrystalDisplayPort() = default;
    virtual void UpdateCrystalDisplay() = 0;
};

struct World {
    std::array<City, kNumCities + 1> Cities{};
    // Crystals per citizen 0..3001: 0 or more = crystals carried, −1 = fuzzed; 3001 is the player.
    std::array<std::int16_t, kNumCitizens + 2> CitizenCrystals{};
    std::int16_t CurCity = 0;       // 0 while the player travels
    std::int16_t FuzzbombCity = 0;  // 0 once the fuzzbomb is destroyed
    double GameTime = 0;            // thirds of a second since midnight
    std::int32_t DayNum = 1;
    std::int16_t TransitDest = 0;   // where the player's journey ends; 0 when not travelling
    bool StopTransit = false;       // a quit or a new game ends the journey at its next step
    std::int32_t LostRiders = 0;    // riders dropped because the onward queue was full, since start-up
    std::int16_t StoppedSpeed = 0;  // the platform train's speed when it stopped, given back when it leaves
    double PlatformTicks = 0;       // city ticks the platform train has been standing
    Random Rng;
    CrystalDisplayPort* CrystalDisplay = nullptr;

    City& city(int c) { return Cities.at(static_cast<std::size_t>(c)); }
    const City& city(int c) const { return Cities.at(static_cast<std::size_t>(c)); }
    std::int16_t& crystals(int citizen) { return CitizenCrystals.at(static_cast<std::size_t>(citizen)); }
    std::int16_t crystals(int citizen) const { return CitizenCrystals.at(static_cast<std::size_t>(citizen)); }
};

}  // namespace rq
