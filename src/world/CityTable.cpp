// The city table's operations: filling it, citizens in and out, fuzz, and walks over the rail network.
#include "world/CityTable.h"

#include <algorithm>

#include "base/Index.h"
#include "world/CityData.h"
#include "world/CityDescription.h"

namespace rq {

void BuildCityTable(World& w) {
    for (int no = 1; no <= kNumCities; ++no) {
        const CityRow& row = kCityRows[At(no - 1)];
        City& c = w.city(no);
        c.Name = std::string(row.Name);
        c.Size = row.Size;
        c.Scenery = row.Scenery;
        c.IsCapital = row.IsCapital;
        c.MapX = row.MapX;
        c.MapY = row.MapY;
    }
}

void BuildRailLinks(World& w) {
    for (int no = 1; no <= kNumCities; ++no) {
        const CityRow& row = kCityRows[At(no - 1)];
        City& c = w.city(no);
        for (int s = 1; s <= kSlots; ++s) {
            c.TrainDest[At(s)] = row.Dest[At(s - 1)];
            c.TrainType[At(s)] = 0;
        }
    }
    // Mark the slot at each end of a marked link that points at the other end.
    for (const auto& [a, b] : kMarkedLinks) {
        for (const auto& [from, to] : {std::pair{a, b}, std::pair{b, a}}) {
            City& c = w.city(from);
            for (int s = 1; s <= kSlots; ++s) {
                if (c.TrainDest[At(s)] == to) {
                    c.TrainType[At(s)] = 1;
                }
            }
        }
    }
}

void PopulateCities(World& w, SpriteEngine& spr) {
    int total = 0;
    for (int no = 1; no <= kNumCities; ++no) {
        total += w.city(no).Size;
    }
    for (int citizen = 1; citizen <= kNumCitizens; ++citizen) {
        bool placed = false;
        while (!placed) {
            const int r = w.Rng.ChooseAmong(total);
            int running = 0;
            int chosen = kNumCities;
            for (int no = 1; no <= kNumCities; ++no) {
                running += w.city(no).Size;
                if (running >= r) {
                    chosen = no;
                    break;
                }
            }
            // A full city makes the draw repeat; 3000 citizens fit easily in 200 × 25 places.
            placed = AddCitizenToCity(w, spr, static_cast<std::int16_t>(citizen), static_cast<std::int16_t>(chosen));
        }
    }
}

bool AddCitizenToCity(World& w, SpriteEngine& spr, std::int16_t citizen, std::int16_t city) {
    City& c = w.city(city);
    for (int p = 1; p <= kMaxCitizensInCity; ++p) {
        if (c.Citizens[At(p)] == 0) {
            c.Citizens[At(p)] = citizen;
            ++c.NumCitizens;
            if (city == w.CurCity) {
                // The newcomer's actor in the street of the player's city learns whom it shows.
                spr[kPlayerSlot + c.NumCitizens].CitizenNo = citizen;
            }
            return true;
        }
    }
    return false;
}

void RemoveCitizenFromCity(World& w, std::int16_t city, int p) {
    City& c = w.city(city);
    c.Citizens[At(p)] = 0;
    for (int i = p; i <= c.NumCitizens - 1; ++i) {
        c.Citizens[At(i)] = c.Citizens[At(i + 1)];
    }
    c.Citizens[At(c.NumCitizens)] = 0;
    --c.NumCitizens;
}

void FuzzCity(World& w, std::int16_t city) {
    const City& c = w.city(city);
    for (int p = 1; p <= c.NumCitizens; ++p) {
        w.crystals(c.Citizens[At(p)]) = kFuzzed;
    }
}

bool CollectionContains(const std::vector<std::int16_t>& items, std::int16_t value) {
    return std::find(items.begin(), items.end(), value) != items.end();
}

namespace {

// The breadth-first walk shared by NoFuzzWithin and NoHubWithin: true when no city reached within
// `hops` fails the test. Only duplicates within one level are skipped, so a city can be tested again
// at a later level (the start city itself comes back at level 2).
template <typename Failing>
bool NoneWithin(const World& w, std::int16_t city, int hops, Failing failing) {
    std::vector<std::int16_t> previous{city};
    for (int lvl = 1; lvl <= hops; ++lvl) {
        std::vector<std::int16_t> level;
        for (const std::int16_t c : previous) {
            for (int s = 1; s <= kSlots; ++s) {
                const std::int16_t d = w.city(c).TrainDest[At(s)];
                if (!CollectionContains(level, d)) {
                    level.push_back(d);
                    if (failing(d)) {
                        return false;
                    }
                }
            }
        }
        previous = std::move(level);
    }
    return true;
}

}  // namespace

bool NoFuzzWithin(const World& w, std::int16_t city, int hops) {
    return NoneWithin(w, city, hops, [&w](std::int16_t d) { return !DescribeWords(w, d).CrystalWord; });
}

bool NoHubWithin(const World& w, std::int16_t city, int hops) {
    return NoneWithin(w, city, hops, [&w](std::int16_t d) { return IsHubCity(w, d); });
}

bool IsHubCity(const World& w, std::int16_t city) {
    const City& c = w.city(city);
    for (int s = 1; s <= kSlots; ++s) {
        if (c.TrainType[At(s)] == 1) {
            return true;
        }
    }
    return false;
}

bool IsGoodStartCity(const World& w, std::int16_t city) {
    // Both walks always run, as the game's start-up has it.
    const bool noFuzz = NoFuzzWithin(w, city, 3);
    const bool noHub = NoHubWithin(w, city, 2);
    return noFuzz && noHub;
}

}  // namespace rq
