// The whole city table and rail network as BuildCityTable and BuildRailLinks leave them: names,
// capitals, the given rows, size and scenery counts, map positions, the links' rules and whether
// start-up can always place the fuzzbomb and the player.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/Index.h"
#include "sprite/BmpPictureLoader.h"
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
    std::string previousState;
    std::set<std::string> statesSeen;
    for (int no = 1; no <= kNumCities; ++no) {
        const std::string& name = C(no).Name;
        const std::size_t comma = name.find(", ");
        ASSERT_NE(comma, std::string::npos) << "city " << no << ": " << name;
        EXPECT_GT(comma, 0u) << name;
        EXPECT_TRUE(names.insert(name).second) << name << " twice";
        const std::string state = name.substr(comma + 2);
        // A state's cities stand together: a state seen before comes back only right after itself.
        if (state != previousState) {
            EXPECT_TRUE(statesSeen.insert(state).second) << name;
        }
        previousState = state;
        capitalsOfState[state] += C(no).IsCapital ? 1 : 0;
    }
    int capitals = 0;
    for (const auto& [state, n] : capitalsOfState) {
        EXPECT_EQ(n, 1) << state;
        capitals += n;
    }
    EXPECT_EQ(capitals, 49);
    EXPECT_EQ(statesSeen.size(), 49u) << "the 48 mainland states and the capital district";
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

TEST_F(CityNetworkTest, TheGivenRowsAreExactlyAsGiven) {
    for (const GivenRow& row : kGivenRows) {
        const City& c = C(row.No);
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Size, row.Size);
        EXPECT_EQ(c.Scenery, row.Scenery);
        EXPECT_EQ(c.MapX, row.MapX);
        EXPECT_EQ(c.MapY, row.MapY);
        for (int s = 1; s <= kSlots; ++s) {
            const int given = row.Dest[At(s - 1)];
            EXPECT_EQ(c.TrainDest[At(s)], std::abs(given)) << "slot " << s;
            EXPECT_EQ(c.TrainType[At(s)], given < 0 ? 1 : 0) << "slot " << s;
        }
    }
}

TEST_F(CityNetworkTest, SizeAndSceneryHaveTheirCountsAndSceneryFollowsSize) {
    std::map<int, int> sizes, scenery;
    for (int no = 1; no <= kNumCities; ++no) {
        const City& c = C(no);
        ++sizes[c.Size];
        ++scenery[c.Scenery];
        // A downtown (bit 4) is for the big cities only, and every size-5 city has one; a mountain
        // range with no town in front of it is only for the smallest places.
        EXPECT_TRUE((c.Scenery & 4) == 0 || c.Size >= 4) << c.Name;
        EXPECT_TRUE(c.Size != 5 || (c.Scenery & 4) != 0) << c.Name;
        EXPECT_TRUE(c.Scenery != 1 || c.Size == 2) << c.Name;
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

TEST_F(CityNetworkTest, EveryCityStandsOnLandOfTheMapPicture) {
    const char* assets = std::getenv("RAILQUEST_ASSETS");
    ASSERT_NE(assets, nullptr) << "the test runner sets RAILQUEST_ASSETS";
    Surface map;
    std::string error;
    BmpPictureLoader loader;
    ASSERT_TRUE(loader.Load(std::string(assets) + "/usa.bmp", map, error)) << error;
    // The information panel is the map's width plus 152 px and must fit over the 640-px view.
    EXPECT_LE(map.Width, 485);
    EXPECT_GT(map.Width, 458);
    EXPECT_GT(map.Height, 283);
    // Water is blue; land is a warm tan. A city on a shore may stand on a pixel that blends both,
    // but some land must be right under its marker.
    auto isLand = [&map](int x, int y) {
        const std::uint32_t p = map.At(x, y);
        const int r = static_cast<int>((p >> 16) & 0xFF);
        const int b = static_cast<int>(p & 0xFF);
        return r > b + 20;
    };
    for (int no = 1; no <= kNumCities; ++no) {
        const City& c = C(no);
        bool land = false;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) land = land || isLand(c.MapX + dx, c.MapY + dy);
        }
        EXPECT_TRUE(land) << c.Name << " at (" << c.MapX << ", " << c.MapY << ")";
    }
    // And the sea is where there are no cities: the picture's corners.
    EXPECT_FALSE(isLand(0, map.Height - 1));
    EXPECT_FALSE(isLand(map.Width - 1, map.Height - 1));
}

TEST_F(CityNetworkTest, EveryCityHasFiveDifferentDestinationsNoneItself) {
    for (int no = 1; no <= kNumCities; ++no) {
        const std::vector<int> d = Dests(no);
        const std::set<int> distinct(d.begin(), d.end());
        EXPECT_EQ(distinct.size(), 5u) << C(no).Name;
        EXPECT_EQ(distinct.count(no), 0u) << C(no).Name;
        for (const int x : d) {
            EXPECT_GE(x, 1) << C(no).Name;
            EXPECT_LE(x, kNumCities) << C(no).Name;
        }
        EXPECT_EQ(C(no).TrainDest[0], 0) << "slot 0 is not used";
    }
}

TEST_F(CityNetworkTest, EveryLinkRunsBothWays) {
    for (int a = 1; a <= kNumCities; ++a) {
        for (const int b : Dests(a)) {
            const std::vector<int> back = Dests(b);
            EXPECT_NE(std::find(back.begin(), back.end(), a), back.end()) << C(a).Name << " -> " << C(b).Name;
        }
    }
}

TEST_F(CityNetworkTest, TrainTypeIsOneOnExactlyTheMarkedSlots) {
    const std::set<std::pair<int, int>> marked{{7, 169}, {13, 17}, {17, 21}, {17, 187}, {21, 187}, {21, 46}, {31, 121},
                                               {31, 46}, {31, 38}, {35, 38}, {38, 169}, {46, 169}, {78, 121}};
    int ones = 0;
    for (int a = 1; a <= kNumCities; ++a) {
        for (int s = 1; s <= kSlots; ++s) {
            const int b = C(a).TrainDest[At(s)];
            const int type = C(a).TrainType[At(s)];
            const bool isMarked = marked.count({std::min(a, b), std::max(a, b)}) == 1;
            EXPECT_EQ(type, isMarked ? 1 : 0) << C(a).Name << " slot " << s;
            ones += type == 1 ? 1 : 0;
        }
    }
    EXPECT_EQ(ones, 26);
}

TEST_F(CityNetworkTest, IsHubCityIsTrueForExactlyTheTwelveHubs) {
    for (int no = 1; no <= kNumCities; ++no) {
        EXPECT_EQ(IsHubCity(*world, static_cast<std::int16_t>(no)), kHubs.count(no) == 1) << C(no).Name;
    }
}

TEST_F(CityNetworkTest, TheNetworkIsConnected) {
    const std::vector<int> dist = Hops({1});
    for (int no = 1; no <= kNumCities; ++no) EXPECT_GE(dist[At(no)], 0) << C(no).Name << " cannot be reached";
}

TEST_F(CityNetworkTest, EveryCityIsTheSlotOneDestinationOfSomeCity) {
    // A new game puts the player on the first slot-1 train that goes to the start city.
    std::vector<int> arrivals(At(kNumCities + 1), 0);
    for (int no = 1; no <= kNumCities; ++no) ++arrivals[At(C(no).TrainDest[1])];
    for (int no = 1; no <= kNumCities; ++no) EXPECT_GE(arrivals[At(no)], 1) << C(no).Name;
}

TEST_F(CityNetworkTest, LinksJoinNearNeighboursExceptWhereTheGivenRowsSayOtherwise) {
    // Each city's dozen nearest on the map, ties by number.
    std::vector<std::set<int>> nearest(At(kNumCities + 1));
    for (int a = 1; a <= kNumCities; ++a) {
        std::vector<int> others;
        for (int b = 1; b <= kNumCities; ++b) {
            if (b != a) others.push_back(b);
        }
        std::sort(others.begin(), others.end(), [a](int x, int y) {
            const double dx = MapDistance(a, x), dy = MapDistance(a, y);
            return dx != dy ? dx < dy : x < y;
        });
        nearest[At(a)] = std::set<int>(others.begin(), others.begin() + 12);
    }
    std::set<std::pair<int, int>> far;
    int bothWays = 0, links = 0;
    for (int a = 1; a <= kNumCities; ++a) {
        for (int s = 1; s <= kSlots; ++s) {
            const int b = C(a).TrainDest[At(s)];
            if (b < a || C(a).TrainType[At(s)] == 1) continue;
            ++links;
            const bool aNearB = nearest[At(b)].count(a) == 1, bNearA = nearest[At(a)].count(b) == 1;
            bothWays += aNearB && bNearA ? 1 : 0;
            if (!aNearB && !bNearA) far.insert({a, b});
        }
    }
    // Birmingham's given row sends trains to Lafayette, Louisiana and Columbia, South Carolina.
    EXPECT_EQ(far, (std::set<std::pair<int, int>>{{1, 67}, {1, 159}}));
    EXPECT_EQ(links, 500 - 13);
    EXPECT_GT(bothWays, links * 9 / 10) << "most links join cities that are near each other both ways";
}

TEST_F(CityNetworkTest, NoHubWithinTwoIsFalseExactlyNearTheHubs) {
    const std::vector<int> fromHubs = Hops(std::vector<int>(kHubs.begin(), kHubs.end()));
    for (int no = 1; no <= kNumCities; ++no) {
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
