// CityDescription: the fuzzbomb, empty and fuzzed cities, and the singular and plural crystal texts,
// and the description's words as the rules read them.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "world/CityDescription.h"

namespace rq {
namespace {

TEST(CityDescription, NamesTheFuzzbombFuzzAndTheCrystalsOfTheCleanCitizens) {
    struct Case {
        std::vector<std::int16_t> crystals;  // one citizen each in city 5
        bool fuzzbomb;
        const char* text;
    };
    const std::vector<std::int16_t> twentyFiveOfFour(25, 4);
    const Case cases[] = {
        {{}, false, "0 Crystals"},
        {{3, 4}, true, "Fuzzbomb City"},
        {{}, true, "Fuzzbomb City"},
        {{kFuzzed, kFuzzed}, false, "Fuzzed City"},
        {{kFuzzed, 0, kFuzzed}, false, "0 Crystals"},
        {{1, 0, kFuzzed}, false, "1 Crystal"},
        {{2, 3}, false, "5 Crystals"},
        {twentyFiveOfFour, false, "100 Crystals"},
    };
    for (const Case& c : cases) {
        auto w = std::make_unique<World>();
        City& city = w->city(5);
        for (const std::int16_t n : c.crystals) {
            const auto citizen = static_cast<std::int16_t>(++city.NumCitizens);
            city.Citizens[static_cast<std::size_t>(citizen)] = citizen;
            w->crystals(citizen) = n;
        }
        w->FuzzbombCity = c.fuzzbomb ? 5 : 0;
        EXPECT_EQ(CityDescription(*w, 5), c.text) << c.crystals.size() << " citizens";
        // The words the fuzz's walks and arrivals read agree with the text.
        const std::string text = c.text;
        const DescriptionWords words = DescribeWords(*w, 5);
        EXPECT_EQ(words.CrystalWord, text.find("Crystal") != std::string::npos) << text;
        EXPECT_EQ(words.PluralCrystals, text.find("Crystals") != std::string::npos) << text;
        EXPECT_EQ(words.FuzzedCity, text == "Fuzzed City");
        EXPECT_EQ(words.FuzzbombCity, text == "Fuzzbomb City");
    }
}

}  // namespace
}  // namespace rq
