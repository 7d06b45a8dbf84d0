// CityDescription: what a city's citizens carry, or that the fuzz has taken it.
#include "world/CityDescription.h"

namespace rq {

std::string CityDescription(const World& w, std::int16_t city) {
    if (city == w.FuzzbombCity) {
        return "Fuzzbomb City";
    }
    const City& c = w.city(city);
    if (c.NumCitizens == 0) {
        return "0 Crystals";
    }
    // The sum is a 16-bit value in the game; with at most 25 citizens of at most a few hundred
    // crystals each it never leaves that range.
    std::int16_t sum = 0;
    bool anyClean = false;
    for (int p = 1; p <= c.NumCitizens; ++p) {
        const std::int16_t n = w.crystals(c.Citizens[static_cast<std::size_t>(p)]);
        if (n >= 0) {
            anyClean = true;
            sum = static_cast<std::int16_t>(sum + n);
        }
    }
    if (!anyClean) {
        return "Fuzzed City";
    }
    if (sum == 1) {
        return "1 Crystal";
    }
    return std::to_string(sum) + " Crystals";
}

}  // namespace rq
