// CityDescription: what a city's citizens carry, or that the fuzz has taken it.
#include "world/CityDescription.h"

namespace rq {

namespace {

// Which of the description's forms applies, and the crystal sum for the counted ones.
struct CitySummary {
    enum class Kind { FuzzbombCity, Empty, Fuzzed, Counted } kind;
    std::int16_t sum = 0;
};

CitySummary Summarise(const World& w, std::int16_t city) {
    if (city == w.FuzzbombCity) {
        return {CitySummary::Kind::FuzzbombCity};
    }
    const City& c = w.city(city);
    if (c.NumCitizens == 0) {
        return {CitySummary::Kind::Empty};
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
    return anyClean ? CitySummary{CitySummary::Kind::Counted, sum} : CitySummary{CitySummary::Kind::Fuzzed};
}

}  // namespace

std::string CityDescription(const World& w, std::int16_t city) {
    const CitySummary s = Summarise(w, city);
    switch (s.kind) {
        case CitySummary::Kind::FuzzbombCity:
            return "Fuzzbomb City";
        case CitySummary::Kind::Empty:
            return "0 Crystals";
        case CitySummary::Kind::Fuzzed:
            return "Fuzzed City";
        case CitySummary::Kind::Counted:
            break;
    }
    return s.sum == 1 ? "1 Crystal" : std::to_string(s.sum) + " Crystals";
}

DescriptionWords DescribeWords(const World& w, std::int16_t city) {
    const CitySummary s = Summarise(w, city);
    DescriptionWords words;
    switch (s.kind) {
        case CitySummary::Kind::FuzzbombCity:
            words.FuzzbombCity = true;
            break;
        case CitySummary::Kind::Fuzzed:
            words.FuzzedCity = true;
            break;
        case CitySummary::Kind::Empty:
        case CitySummary::Kind::Counted:
            words.CrystalWord = true;
            words.PluralCrystals = s.kind == CitySummary::Kind::Empty || s.sum != 1;
            break;
    }
    return words;
}

}  // namespace rq
