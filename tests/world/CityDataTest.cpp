// The committed city table row by row against the rules tools/citygen made it by, so that a hand edit
// of a row cannot break one unseen: every city on land of the map picture, every link between near
// neighbours, and the scenery its size class allows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/Index.h"
#include "sprite/BmpPictureLoader.h"
#include "world/CityData.h"

namespace rq {
namespace {

const CityRow& Row(int no) {
    return kCityRows[At(no - 1)];
}

double MapDistance(int a, int b) {
    return std::hypot(Row(a).MapX - Row(b).MapX, Row(a).MapY - Row(b).MapY);
}

// Each city's dozen nearest cities on the map, ties by number.
std::vector<std::set<int>> DozenNearest() {
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
    return nearest;
}

bool IsMarkedLink(int a, int b) {
    return std::any_of(kMarkedLinks.begin(), kMarkedLinks.end(), [a, b](const auto& link) {
        return (link.first == a && link.second == b) || (link.first == b && link.second == a);
    });
}

TEST(CityDataTest, EveryRowKeepsTheRulesItWasMadeBy) {
    const char* assets = std::getenv("RAILQUEST_ASSETS");
    ASSERT_NE(assets, nullptr) << "the test runner sets RAILQUEST_ASSETS";
    Surface map;
    std::string error;
    BmpPictureLoader loader;
    ASSERT_TRUE(loader.Load(std::string(assets) + "/usa.bmp", map, error)) << error;
    // The map's land is a warm tan, its sea and shore lines blue-grey: a pixel redder than it is blue
    // is mostly land.
    const auto onLand = [&map](int x, int y) {
        if (x < 0 || y < 0 || x >= map.Width || y >= map.Height) return false;
        const std::uint32_t p = map.At(x, y);
        return ((p >> 16) & 0xFF) > (p & 0xFF);
    };
    ASSERT_FALSE(onLand(map.Width - 1, map.Height - 1)) << "the sea in a corner of the map";
    const std::vector<std::set<int>> nearest = DozenNearest();
    // Birmingham's given row sends trains to Lafayette, Louisiana and Columbia, South Carolina.
    const std::set<std::pair<int, int>> farByGivenRow{{1, 67}, {1, 159}};
    const std::function<bool(int)> linksNear = [&](int a) {
        for (const int b : Row(a).Dest) {
            const bool near = nearest[At(a)].count(b) == 1 || nearest[At(b)].count(a) == 1;
            if (!near && !IsMarkedLink(a, b) && farByGivenRow.count({std::min(a, b), std::max(a, b)}) == 0) {
                return false;
            }
        }
        return true;
    };

    const struct {
        const char* rule;
        std::function<bool(int)> holds;
    } rules[] = {
        {"stands on land of the map picture", [&](int a) { return onLand(Row(a).MapX, Row(a).MapY); }},
        {"links only near neighbours: one among the other's dozen nearest (or a marked or given link)", linksNear},
        {"has a downtown only at size 4 or 5", [](int a) { return (Row(a).Scenery & 4) == 0 || Row(a).Size >= 4; }},
        {"has a downtown at size 5", [](int a) { return Row(a).Size != 5 || (Row(a).Scenery & 4) != 0; }},
        {"has mountains without a town only at size 2", [](int a) { return Row(a).Scenery != 1 || Row(a).Size == 2; }},
    };
    for (int a = 1; a <= kNumCities; ++a) {
        for (const auto& r : rules) {
            EXPECT_TRUE(r.holds(a)) << Row(a).Name << " (city " << a << ", at " << Row(a).MapX << ", " << Row(a).MapY
                                    << ", size " << Row(a).Size << ", scenery " << Row(a).Scenery << ") " << r.rule;
        }
    }
}

}  // namespace
}  // namespace rq
