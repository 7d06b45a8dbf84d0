// Builds the world of a new run: the seed, the player's crystals, the cities and their citizens.
#include "main/WorldStartup.h"

#include "world/CityTable.h"

namespace rq {

void StartWorld(World& w, SpriteEngine& spr, std::uint64_t seed) {
    w.Rng.Seed(seed);
    w.crystals(kPlayer) = 10;
    w.DayNum = 1;
    BuildCityTable(w);
    BuildRailLinks(w);
    PopulateCities(w, spr);
}

}  // namespace rq
