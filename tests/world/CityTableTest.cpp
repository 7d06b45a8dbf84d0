// The city table's operations: citizens in and out of a city, fuzzing a city, the breadth-first
// neighbourhood walks on small hand-made networks, and placing the 3000 citizens.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "WorldTestKit.h"
#include "world/CityDescription.h"
#include "world/CityTable.h"

namespace rq {
namespace {

using testkit::TestWorld;
using V = std::vector<std::int16_t>;

class CityTableTest : public ::testing::Test, protected TestWorld {
protected:
    // Gives city c the five destinations (a ring or a hand-made network); every slot is filled, as in
    // the game, because a walk reads all five.
    void Links(std::int16_t c, std::initializer_list<std::int16_t> dests) {
        std::int16_t s = 1;
        for (const std::int16_t d : dests) Link(c, s++, d);
    }
    bool NoHub(std::int16_t c, int n) { return NoHubWithin(W(), c, n); }
    bool NoFuzz(std::int16_t c, int n) { return NoFuzzWithin(W(), c, n); }
};

// ---- citizens in and out -----------------------------------------------------------------------

TEST_F(CityTableTest, CitizensTakeTheFirstEmptyPlacesAndAFullCityRefusesANewcomer) {
    W().CurCity = 5;
    for (std::int16_t c = 1; c <= 25; ++c) ASSERT_TRUE(AddCitizenToCity(W(), Spr(), c, 5));
    const auto before = W().city(5).Citizens;
    for (int p = 1; p <= 25; ++p) EXPECT_EQ(before[At(p)], p) << "in the order they came";
    EXPECT_FALSE(AddCitizenToCity(W(), Spr(), 26, 5));
    EXPECT_EQ(W().city(5).Citizens, before);
    EXPECT_EQ(W().city(5).NumCitizens, 25);
    // In the player's city the n-th citizen of the street is shown by actor slot 109 + n.
    for (int slot = kFirstActorSlot; slot <= kLastActorSlot; ++slot) {
        EXPECT_EQ(Spr()[slot].CitizenNo, slot - kPlayerSlot) << "actor " << slot;
    }
    EXPECT_EQ(Spr()[kPlayerSlot].CitizenNo, 0) << "the player's own slot is not touched";
    ASSERT_TRUE(AddCitizenToCity(W(), Spr(), 77, 6));
    EXPECT_EQ(Spr()[kFirstActorSlot].CitizenNo, 1) << "a newcomer elsewhere touches no actor";
}

TEST_F(CityTableTest, RemovingACitizenMovesTheOthersForwardAndKeepsTheListPacked) {
    const V five = AddCitizens(5, {4, 4, 4, 4, 4});
    RemoveCitizenFromCity(W(), 5, 1);
    EXPECT_EQ(CitizensOf(5), (V{five[1], five[2], five[3], five[4]}));
    RemoveCitizenFromCity(W(), 5, 2);
    EXPECT_EQ(CitizensOf(5), (V{five[1], five[3], five[4]}));
    RemoveCitizenFromCity(W(), 5, 3);
    EXPECT_EQ(CitizensOf(5), (V{five[1], five[3]}));
    EXPECT_EQ(W().city(5).NumCitizens, 2);
    EXPECT_EQ(W().city(5).Citizens[3], 0);
    EXPECT_EQ(W().city(5).Citizens[4], 0);
}

TEST_F(CityTableTest, FuzzingACityFuzzesItsCitizensOnlyAndAnEmptyCityStaysAsItWas) {
    const V here = AddCitizens(5, {4, 0, 7});
    const V elsewhere = AddCitizens(6, {4});
    W().crystals(kPlayer) = 10;
    const auto before = W().CitizenCrystals;
    FuzzCity(W(), 7);
    EXPECT_EQ(W().CitizenCrystals, before);
    EXPECT_EQ(CityDescription(W(), 7), "0 Crystals");
    FuzzCity(W(), 5);
    for (const std::int16_t c : here) EXPECT_EQ(W().crystals(c), kFuzzed);
    EXPECT_EQ(W().crystals(elsewhere[0]), 4);
    EXPECT_EQ(W().crystals(kPlayer), 10);
    EXPECT_EQ(CityDescription(W(), 5), "Fuzzed City");
}

// ---- the breadth-first walks --------------------------------------------------------------------
//
// A hand-made network (cities 1..9):      1 - 2 - 4 - 6 - 8
//                                          \ /         |
//                                           3          7 - 9
// Cities 2 and 3 are both reached from 1 and from each other (a triangle), so from city 1 they appear
// at level 1 and again at level 2, and 4 is reached twice within level 2 (from 2 and from 3). Spare
// slots repeat a neighbour, as the game never leaves a slot empty.
class CityWalkTest : public CityTableTest {
protected:
    void SetUp() override {
        Links(1, {2, 3, 2, 3, 2});
        Links(2, {1, 3, 4, 1, 3});
        Links(3, {1, 2, 4, 2, 1});
        Links(4, {2, 3, 6, 2, 3});
        Links(6, {4, 7, 8, 4, 7});
        Links(7, {6, 9, 6, 9, 6});
        Links(8, {6, 6, 6, 6, 6});
        Links(9, {7, 7, 7, 7, 7});
        // Everyone has a clean citizen, so no city reads as fuzzed by accident.
        for (std::int16_t c = 1; c <= 9; ++c) AddCitizens(c, {1});
    }
    // Makes city c a hub without making its neighbours hubs: its slot 1 is marked, the way back is not.
    void MakeHub(std::int16_t c) { W().city(c).TrainType[1] = 1; }
};

// A hub is found up to the hop count and no further (1 -> 2 -> 4 -> 6 is three hops). The start city
// is not tested at level 0 but comes back at level 2 (level 1 of 8 is only 6). 4 is reached twice
// within level 2 (from 2 and from 3), and 2 and 3 at level 1 and again at level 2 through the
// triangle; neither changes the levels.
TEST_F(CityWalkTest, AHubIsFoundWithinTheHopCountThroughTrianglesAndBackAtTheStart) {
    const struct {
        std::int16_t hub, city;
        int hops;
        bool none;
    } cases[] = {
        {6, 1, 2, true},  {6, 1, 3, false}, {6, 4, 1, false}, {6, 8, 1, false}, {6, 9, 1, true},
        {6, 9, 2, false}, {8, 8, 0, true},  {8, 8, 1, true},  {8, 8, 2, false}, {4, 1, 1, true},
        {4, 1, 2, false}, {3, 2, 1, false}, {3, 4, 1, false},
    };
    for (const auto& c : cases) {
        for (std::int16_t k = 1; k <= 9; ++k) W().city(k).TrainType[1] = k == c.hub ? 1 : 0;
        EXPECT_EQ(NoHub(c.city, c.hops), c.none) << "hub " << c.hub << ", from " << c.city << ", " << c.hops;
    }
}

// The walk is NoHubWithin's; what NoFuzzWithin adds is which cities count as fuzzed.
TEST_F(CityWalkTest, TheFuzzbombAndFullyFuzzedCitiesCountAsFuzzEmptyOnesDoNot) {
    W().FuzzbombCity = 6;
    EXPECT_TRUE(NoFuzz(4, 0));
    EXPECT_FALSE(NoFuzz(4, 1));
    W().FuzzbombCity = 0;
    // City 4 with one clean and one fuzzed citizen is not fuzzed; with both fuzzed it is.
    AddCitizens(4, {kFuzzed});
    EXPECT_TRUE(NoFuzz(2, 1));
    FuzzCity(W(), 4);
    EXPECT_FALSE(NoFuzz(2, 1));
    // A city that has lost all its citizens reads "0 Crystals": no fuzz there.
    RemoveCitizenFromCity(W(), 4, 2);
    RemoveCitizenFromCity(W(), 4, 1);
    EXPECT_TRUE(NoFuzz(2, 1));
}

TEST_F(CityWalkTest, AGoodStartCityNeedsNoFuzzWithinThreeAndNoHubWithinTwo) {
    W().FuzzbombCity = 9;
    EXPECT_TRUE(IsGoodStartCity(W(), 1));   // 9 is five hops away
    EXPECT_FALSE(IsGoodStartCity(W(), 4));  // 4 -> 6 -> 7 -> 9: three hops
    W().FuzzbombCity = 8;
    EXPECT_TRUE(IsGoodStartCity(W(), 1));  // 1 -> 2 -> 4 -> 6 -> 8: four hops
    MakeHub(4);
    EXPECT_FALSE(IsGoodStartCity(W(), 1));  // a hub two hops away
    EXPECT_FALSE(IsGoodStartCity(W(), 9)) << "9 is three hops from the fuzzbomb";
}

// ---- placing the citizens -----------------------------------------------------------------------

class PopulateTest : public CityTableTest {
protected:
    void SetUp() override {
        BuildCityTable(W());
        BuildRailLinks(W());
        W().Rng.Seed(20240601);
    }
};

TEST_F(PopulateTest, EveryCitizenLivesInExactlyOneCity) {
    PopulateCities(W(), Spr());
    std::vector<int> homes(At(kNumCitizens + 1), 0);
    int total = 0;
    for (int no = 1; no <= kNumCities; ++no) {
        const City& c = W().city(no);
        ASSERT_TRUE(c.NumCitizens >= 0 && c.NumCitizens <= kMaxCitizensInCity) << c.Name;
        for (int p = 1; p <= kMaxCitizensInCity; ++p) {
            const std::int16_t citizen = c.Citizens[At(p)];
            ASSERT_EQ(citizen != 0, p <= c.NumCitizens) << c.Name << " place " << p << ": the list is packed";
            ASSERT_TRUE(citizen >= 0 && citizen <= kNumCitizens) << c.Name << " place " << p;
            ++homes[At(citizen)];
        }
        total += c.NumCitizens;
    }
    EXPECT_EQ(total, kNumCitizens);
    for (int citizen = 1; citizen <= kNumCitizens; ++citizen) {
        EXPECT_EQ(homes[At(citizen)], 1) << "citizen " << citizen;
    }
}

TEST_F(PopulateTest, ADrawWalksTheRunningSumOfSizesAndAFullCityDrawsAgain) {
    // r = Int(Rnd × 631) + 1. r = 1 and r = 3 fall on Birmingham (size 3), r = 4 on Huntsville,
    // r = 631 on the last city. Birmingham takes 25 citizens; the 26th draw for it is refused and
    // the citizen is drawn again.
    auto draw = [](int r) { return (r - 1 + 0.5) / 631.0; };
    std::vector<double> script{draw(4), draw(631)};
    for (int i = 0; i < 25; ++i) script.push_back(draw(i % 2 == 0 ? 1 : 3));
    script.push_back(draw(2));
    script.push_back(draw(631));
    for (const double v : script) W().Rng.Script({v});
    PopulateCities(W(), Spr());
    EXPECT_EQ(W().city(2).Citizens[1], 1);
    EXPECT_EQ(W().city(200).Citizens[1], 2);
    ASSERT_EQ(W().city(1).NumCitizens, 25);
    for (int p = 1; p <= 25; ++p) EXPECT_EQ(W().city(1).Citizens[At(p)], p + 2);
    EXPECT_EQ(W().city(200).Citizens[2], 28) << "citizen 28 went to the last city after Birmingham was full";
}

}  // namespace
}  // namespace rq
