// The world at start-up over the whole city table: the fuzzbomb and start cities, the fuzz two hops
// out, the player's crystals and train and the warmed-up pipelines.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "base/Index.h"
#include "support/WorldInvariants.h"
#include "world/CityDescription.h"
#include "world/CityTable.h"
#include "world/Trains.h"
#include "world/WorldStartup.h"

namespace rq {
namespace {

using testkit::Hops;

struct Started {
    std::unique_ptr<World> w = std::make_unique<World>();
    std::unique_ptr<SpriteEngine> spr = std::make_unique<SpriteEngine>();
    explicit Started(std::uint64_t seed) { StartWorld(*w, *spr, seed); }
};

class WorldStartupTest : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(WorldStartupTest, FuzzbombAndStartCityFollowTheRules) {
    const Started s(GetParam());
    const World& w = *s.w;
    ASSERT_GE(w.FuzzbombCity, 1);
    ASSERT_LE(w.FuzzbombCity, kNumCities);
    ASSERT_GE(w.CurCity, 1);
    ASSERT_LE(w.CurCity, kNumCities);
    const std::vector<int> fromBomb = Hops(w, w.FuzzbombCity);
    const std::vector<int> fromStart = Hops(w, w.CurCity);
    for (int c = 1; c <= kNumCities; ++c) {
        if (IsHubCity(w, static_cast<std::int16_t>(c))) {
            EXPECT_GT(fromBomb[At(c)], 2) << "hub " << c << " near the fuzzbomb city " << w.FuzzbombCity;
            EXPECT_GT(fromStart[At(c)], 2) << "hub " << c << " near the start city " << w.CurCity;
        }
    }
    EXPECT_GT(fromStart[At(w.FuzzbombCity)], 3);
}

TEST_P(WorldStartupTest, TheFuzzReachesExactlyTwoHopsOut) {
    const Started s(GetParam());
    const World& w = *s.w;
    const std::vector<int> fromBomb = Hops(w, w.FuzzbombCity);
    int fuzzedCities = 0;
    for (std::int16_t c = 1; c <= kNumCities; ++c) {
        const City& city = w.city(c);
        const bool near = fromBomb[At(c)] >= 0 && fromBomb[At(c)] <= 2;
        const std::string desc = CityDescription(w, c);
        if (c == w.FuzzbombCity) {
            EXPECT_EQ(desc, "Fuzzbomb City");
        } else if (near && city.NumCitizens > 0) {
            EXPECT_EQ(desc, "Fuzzed City") << c;
            ++fuzzedCities;
        }
        // The warm-up hands nobody over, so the riders of c's trains all come from c.
        const std::int16_t expected = near ? kFuzzed : 4;
        for (int p = 1; p <= city.NumCitizens; ++p) {
            EXPECT_EQ(w.crystals(city.Citizens[At(p)]), expected) << "city " << c;
        }
        for (std::int16_t sl = 1; sl <= kSlots; ++sl) {
            for (int j = 1; j <= kStages; ++j) {
                for (int k = 1; RiderAt(w, c, sl, j, k) != 0; ++k) {
                    if (RiderAt(w, c, sl, j, k) != kPlayer) {
                        EXPECT_EQ(w.crystals(RiderAt(w, c, sl, j, k)), expected) << "train of city " << c;
                    }
                }
            }
        }
    }
    EXPECT_GT(fuzzedCities, 2);
}

TEST_P(WorldStartupTest, ThePlayerRidesTheFirstSlotOneTrainIntoTheStartCity) {
    const Started s(GetParam());
    const World& w = *s.w;
    EXPECT_EQ(w.crystals(kPlayer), 10);
    EXPECT_EQ(w.DayNum, 1);
    EXPECT_DOUBLE_EQ(w.GameTime, 0);
    std::int16_t neighbour = 0;
    for (std::int16_t i = 1; i <= kNumCities && neighbour == 0; ++i) {
        if (w.city(i).TrainDest[1] == w.CurCity) neighbour = i;
    }
    ASSERT_NE(neighbour, 0);
    EXPECT_EQ(RiderAt(w, neighbour, 1, kStages, 1), kPlayer);  // the warm-up leaves no queue: SimulateTest
}

INSTANTIATE_TEST_SUITE_P(Seeds, WorldStartupTest, ::testing::Values(1u, 2u, 3u, 42u, 1234u, 987654321u));

}  // namespace
}  // namespace rq
