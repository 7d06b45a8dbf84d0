// The whole city table and rail network as BuildCityTable and BuildRailLinks leave them: names,
// capitals, the given rows, size and scenery counts, map positions, the links' rules and whether
// start-up can always place the fuzzbomb and the player. (Each row's own rules, land under every city,
// near links and scenery by size: CityDataTest.)
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/Index.h"
#include "world/CityTable.h"

namespace rq {
namespace {

const std::set<int> kHubs{7, 13, 17, 21, 31, 35, 38, 46, 78, 121, 169, 187};

// The given rows: size, scenery, map position and slots 1..5; a negative destination is a marked link.
struct GivenRow {
    int No, Size, Scenery, MapX, MapY;
    std::array<int, kSlots> Dest;
};
const std::array<GivenRow, 14> kGivenRows{{
    {1, 3, 2, 325, 201, {2, 67, 40, 4, 159}},
    {4, 3, 2, 330, 212, {3, 2, 36, 1, 92}},
    {7, 5, 5, 92, 192, {8, 6, 16, -169, 116}},
    {13, 5, 4, 32, 172, {16, -17, 12, 125, 15}},
    {17, 5, 4, 11, 128, {14, -13, -21, 18, -187}},
    {21, 5, 5, 160, 132, {19, -187, -17, -46, 198}},
    {31, 5, 4, 407, 129, {-121, -46, 74, 180, -38}},
    {35, 5, 4, 402, 283, {32, 34, 37, -38, 33}},
    {38, 5, 5, 347, 194, {40, -169, 163, -35, -31}},
    {46, 5, 4, 310, 106, {-169, -31, 196, -21, 52}},
    {78, 5, 4, 448, 79, {82, 157, 156, 80, -121}},
    {121, 5, 4, 430, 100, {-31, 112, 111, 113, -78}},
    {169, 5, 4, 231, 212, {-46, -38, 171, -7, 170}},
    {187, 5, 4, 41, 15, {189, -21, 188, 147, -17}},
}};

class CityNetworkTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        world = new World();
        BuildCityTable(*world);
        BuildRailLinks(*world);
    }
    static void TearDownTestSuite() {
        delete world;
        world = nullptr;
    }

    static const City& C(int no) { return world->city(no); }
    static std::vector<int> Dests(int no) {
        std::vector<int> out;
        for (int s = 1; s <= kSlots; ++s) out.push_back(C(no).TrainDest[At(s)]);
        return out;
    }
    // Hop distances from a set of cities, breadth-first over the links.
    static std::vector<int> Hops(const std::vector<int>& from) {
        std::vector<int> dist(At(kNumCities + 1), -1);
        std::vector<int> queue = from;
        for (const int c : from) dist[At(c)] = 0;
        for (std::size_t i = 0; i < queue.size(); ++i) {
            for (const int d : Dests(queue[i])) {
                if (dist[At(d)] < 0) {
                    dist[At(d)] = dist[At(queue[i])] + 1;
                    queue.push_back(d);
                }
            }
        }
        return dist;
    }
    static double MapDistance(int a, int b) { return std::hypot(C(a).MapX - C(b).MapX, C(a).MapY - C(b).MapY); }

    static World* world;
};
World* CityNetworkTest::world = nullptr;

// The names are the game's data; checked here are what every name must be and a few of them.
TEST_F(CityNetworkTest, NamesAreUniqueCityCommaStateAndEveryStateHasOneCapital) {
    std::set<std::string> names;
    std::map<std::string, int> capitalsOfState;
    for (int no = 1; no <= kNumCities; ++no) {
        const std::string& name = C(no).Name;
        const std::size_t comma = name.find(", ");
        ASSERT_NE(comma, std::string::npos) << "city " << no << ": " << name;
        EXPECT_GT(comma, 0u) << name;
        EXPECT_TRUE(names.insert(name).second) << name << " twice";
        capitalsOfState[name.substr(comma + 2)] += C(no).IsCapital ? 1 : 0;
    }
    int capitals = 0;
    for (const auto& [state, n] : capitalsOfState) {
        EXPECT_EQ(n, 1) << state;
        capitals += n;
    }
    EXPECT_EQ(capitals, 49);
    EXPECT_EQ(capitalsOfState.size(), 49u) << "the 48 mainland states and the capital district";
    const std::map<int, std::pair<const char*, bool>> examples{
        {1, {"Birmingham, Alabama", false}},  {4, {"Montgomery, Alabama", true}},
        {31, {"Washington, D.C.", true}},     {73, {"Rangor, Maine", false}},
        {121, {"New York, New York", false}}, {162, {"Souix Falls, South Dakota", false}},
        {198, {"Cheyenne, Wyoming", true}},   {200, {"Laramie, Wyoming", false}}};
    for (const auto& [no, row] : examples) {
        EXPECT_EQ(C(no).Name, row.first);
        EXPECT_EQ(C(no).IsCapital, row.second) << row.first;
    }
    EXPECT_TRUE(C(0).Name.empty()) << "entry 0 is never a city";
}

// The given rows hold every marked link: no other slot of the table is marked.
TEST_F(CityNetworkTest, TheGivenRowsAreExactlyAsGivenAndNoOtherSlotIsMarked) {
    std::set<int> given;
    for (const GivenRow& row : kGivenRows) {
        const City& c = C(row.No);
        SCOPED_TRACE(c.Name);
        given.insert(row.No);
        EXPECT_EQ(c.Size, row.Size);
        EXPECT_EQ(c.Scenery, row.Scenery);
        EXPECT_EQ(c.MapX, row.MapX);
        EXPECT_EQ(c.MapY, row.MapY);
        for (int s = 1; s <= kSlots; ++s) {
            const int dest = row.Dest[At(s - 1)];
            EXPECT_EQ(c.TrainDest[At(s)], std::abs(dest)) << "slot " << s;
            EXPECT_EQ(c.TrainType[At(s)], dest < 0 ? 1 : 0) << "slot " << s;
        }
    }
    for (int no = 1; no <= kNumCities; ++no) {
        EXPECT_TRUE(given.count(no) == 1 || C(no).TrainType == decltype(C(no).TrainType){}) << C(no).Name;
    }
}

TEST_F(CityNetworkTest, SizeAndSceneryHaveTheirCountsAndTheHubsAreTheBiggest) {
    std::map<int, int> sizes, scenery;
    for (int no = 1; no <= kNumCities; ++no) {
        const City& c = C(no);
        ++sizes[c.Size];
        ++scenery[c.Scenery];
    }
    EXPECT_EQ(sizes, (std::map<int, int>{{2, 51}, {3, 84}, {4, 48}, {5, 17}}));
    EXPECT_EQ(scenery, (std::map<int, int>{{1, 9}, {2, 88}, {3, 48}, {4, 49}, {5, 6}}));
    for (const int hub : kHubs) EXPECT_EQ(C(hub).Size, 5) << C(hub).Name;
}

TEST_F(CityNetworkTest, PositionsAreOnTheMapAndAtLeastTwoPixelsApart) {
    for (int a = 1; a <= kNumCities; ++a) {
        const City& c = C(a);
        EXPECT_GE(c.MapX, 7) << c.Name;
        EXPECT_LE(c.MapX, 458) << c.Name;
        EXPECT_GE(c.MapY, 15) << c.Name;
        EXPECT_LE(c.MapY, 283) << c.Name;
        // The map's hit radius is 25 twips (1.67 px) and the lowest number wins: a city closer than
        // that to a lower-numbered one could never be clicked.
        for (int b = a + 1; b <= kNumCities; ++b) {
            EXPECT_GE(MapDistance(a, b), 2.0) << c.Name << " and " << C(b).Name;
        }
    }
}

// Five different destinations, none the city itself; every link runs both ways; every city can be
// reached, and is the slot-1 destination of some city (a new game brings the player in on slot 1).
TEST_F(CityNetworkTest, TheLinksRunBothWaysToFiveOtherCitiesAndReachEveryCity) {
    std::vector<int> slotOneArrivals(At(kNumCities + 1), 0);
    const std::vector<int> fromFirst = Hops({1});
    for (int a = 1; a <= kNumCities; ++a) {
        const std::vector<int> d = Dests(a);
        const std::set<int> distinct(d.begin(), d.end());
        EXPECT_EQ(distinct.size(), 5u) << C(a).Name;
        EXPECT_EQ(distinct.count(a), 0u) << C(a).Name;
        for (const int b : d) {
            ASSERT_TRUE(b >= 1 && b <= kNumCities) << C(a).Name;
            const std::vector<int> back = Dests(b);
            EXPECT_NE(std::find(back.begin(), back.end(), a), back.end()) << C(a).Name << " -> " << C(b).Name;
        }
        ++slotOneArrivals[At(d[0])];
        EXPECT_GE(fromFirst[At(a)], 0) << C(a).Name << " cannot be reached";
    }
    for (int no = 1; no <= kNumCities; ++no) EXPECT_GE(slotOneArrivals[At(no)], 1) << C(no).Name;
}

TEST_F(CityNetworkTest, TheTwelveHubsAreHubsAndNoHubWithinTwoIsFalseExactlyNearThem) {
    const std::vector<int> fromHubs = Hops(std::vector<int>(kHubs.begin(), kHubs.end()));
    for (int no = 1; no <= kNumCities; ++no) {
        EXPECT_EQ(IsHubCity(*world, static_cast<std::int16_t>(no)), kHubs.count(no) == 1) << C(no).Name;
        EXPECT_EQ(NoHubWithin(*world, static_cast<std::int16_t>(no), 2), fromHubs[At(no)] > 2) << C(no).Name;
    }
}

TEST_F(CityNetworkTest, StartUpCanAlwaysPlaceTheFuzzbombAndThePlayer) {
    // Wherever the fuzzbomb may hide (no hub within two hops), at least five cities must be good
    // start cities: no hub within two hops, the fuzzbomb more than three hops away. The cities are
    // empty here, so only the fuzzbomb city reads as fuzzed, as at that moment of start-up.
    int hidingPlaces = 0;
    for (int f = 1; f <= kNumCities; ++f) {
        if (!NoHubWithin(*world, static_cast<std::int16_t>(f), 2)) continue;
        ++hidingPlaces;
        world->FuzzbombCity = static_cast<std::int16_t>(f);
        const std::vector<int> fromBomb = Hops({f});
        int starts = 0;
        for (int s = 1; s <= kNumCities; ++s) {
            const bool good = IsGoodStartCity(*world, static_cast<std::int16_t>(s));
            if (good) {
                EXPECT_GT(fromBomb[At(s)], 3) << C(s).Name << " with the fuzzbomb in " << C(f).Name;
            }
            starts += good ? 1 : 0;
        }
        EXPECT_GE(starts, 5) << "fuzzbomb in " << C(f).Name;
    }
    world->FuzzbombCity = 0;
    EXPECT_GE(hidingPlaces, 20);
}

}  // namespace
}  // namespace rq
