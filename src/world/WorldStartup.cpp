// Builds the world of a new run: the seed, the player's crystals, the cities and their citizens,
// the fuzzbomb and the start city, and the trains already under way.
#include "world/WorldStartup.h"

#include <array>

#include "base/Index.h"
#include "world/CityTable.h"
#include "world/Trains.h"

namespace rq {

namespace {

std::int16_t AnyCity(World& w) {
    return static_cast<std::int16_t>(w.Rng.ChooseAmong(kNumCities));
}

// The fuzz reaches two hops out: levels 2 and 3 of a walk that marks each city once, cities in
// number order and slots in slot order.
void SpreadFuzzFromFuzzbomb(World& w) {
    std::array<int, kNumCities + 1> mark{};
    mark[At(w.FuzzbombCity)] = 1;
    for (int level = 2; level <= 3; ++level) {
        for (int i = 1; i <= kNumCities; ++i) {
            if (mark[At(i)] != level - 1) {
                continue;
            }
            for (int s = 1; s <= kSlots; ++s) {
                const std::int16_t d = w.city(i).TrainDest[At(s)];
                if (mark[At(d)] == 0) {
                    FuzzCity(w, d);
                    mark[At(d)] = level;
                }
            }
        }
    }
}

// The player rides in on the first slot-1 train bound for the start city.
void QueuePlayerTowardsStartCity(World& w) {
    for (std::int16_t i = 1; i <= kNumCities; ++i) {
        if (w.city(i).TrainDest[1] == w.CurCity) {
            WaitingAt(w, i, 1, 1) = kPlayer;
            return;
        }
    }
}

}  // namespace

void PlaceFuzzbombAndStartCity(World& w) {
    do {
        w.FuzzbombCity = AnyCity(w);
    } while (!NoHubWithin(w, w.FuzzbombCity, 2));
    // Only the fuzzbomb city counts as fuzzed while the start city is chosen: the fuzz spreads after.
    do {
        w.CurCity = AnyCity(w);
    } while (!IsGoodStartCity(w, w.CurCity));
    FuzzCity(w, w.FuzzbombCity);
    SpreadFuzzFromFuzzbomb(w);
}

void BeginWorld(World& w, std::uint64_t seed) {
    w.Rng.Seed(seed);
    HandOutStartingCrystals(w);
    w.DayNum = 1;
}

void HandOutStartingCrystals(World& w) {
    for (int citizen = 1; citizen <= kNumCitizens; ++citizen) {
        w.crystals(citizen) = kCitizenStartCrystals;
    }
    w.crystals(kPlayer) = kPlayerStartCrystals;
}

void BuildWorld(World& w, SpriteEngine& spr) {
    BuildCityTable(w);
    BuildRailLinks(w);
    PopulateCities(w, spr);
    PlaceFuzzbombAndStartCity(w);
    QueuePlayerTowardsStartCity(w);
    WarmUpTrains(w);
}

void StartWorld(World& w, SpriteEngine& spr, std::uint64_t seed) {
    BeginWorld(w, seed);
    BuildWorld(w, spr);
}

}  // namespace rq
