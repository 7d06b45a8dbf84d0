// CityDescription: the fuzzbomb, empty and fuzzed cities, and the singular and plural crystal texts.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "world/CityDescription.h"

namespace rq {
namespace {

class CityDescriptionTest : public ::testing::Test {
protected:
    // Puts citizens 1, 2, ... with the given crystal counts into city 5.
    void Populate(std::initializer_list<std::int16_t> counts) {
        City& c = w->city(5);
        std::int16_t citizen = 1;
        for (const std::int16_t n : counts) {
            c.Citizens[static_cast<std::size_t>(citizen)] = citizen;
            w->crystals(citizen) = n;
            ++citizen;
        }
        c.NumCitizens = static_cast<std::int16_t>(counts.size());
    }
    std::string Describe() const { return CityDescription(*w, 5); }

    std::unique_ptr<World> w = std::make_unique<World>();
};

TEST_F(CityDescriptionTest, AnEmptyCityHasNoCrystals) {
    EXPECT_EQ(Describe(), "0 Crystals");
}

TEST_F(CityDescriptionTest, TheFuzzbombCityIsNamedWhateverItsCitizens) {
    Populate({3, 4});
    w->FuzzbombCity = 5;
    EXPECT_EQ(Describe(), "Fuzzbomb City");
    w->city(5).NumCitizens = 0;
    EXPECT_EQ(Describe(), "Fuzzbomb City");
}

TEST_F(CityDescriptionTest, OnlyFuzziesMakeAFuzzedCity) {
    Populate({kFuzzed, kFuzzed});
    EXPECT_EQ(Describe(), "Fuzzed City");
}

TEST_F(CityDescriptionTest, OneCleanCitizenWithoutCrystalsReadsZeroCrystals) {
    Populate({kFuzzed, 0, kFuzzed});
    EXPECT_EQ(Describe(), "0 Crystals");
}

TEST_F(CityDescriptionTest, OneCrystalIsSingularAndFuzziesAreSkipped) {
    Populate({1, 0, kFuzzed});
    EXPECT_EQ(Describe(), "1 Crystal");
}

TEST_F(CityDescriptionTest, OtherSumsArePlural) {
    Populate({2, 3});
    EXPECT_EQ(Describe(), "5 Crystals");
    Populate({4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4});
    EXPECT_EQ(Describe(), "100 Crystals");
}

}  // namespace
}  // namespace rq
