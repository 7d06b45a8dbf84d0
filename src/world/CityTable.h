// The city table and its operations: filling the cities, moving citizens, fuzz and the network's neighbourhoods.
#pragma once

#include <cstdint>
#include <vector>

#include "sprite/SpriteEngine.h"
#include "world/World.h"

namespace rq {

// Fills Name, Size, Scenery, IsCapital, MapX and MapY of cities 1..200; every other field stays 0.
void BuildCityTable(World& w);
// Fills TrainDest(1..5) of cities 1..200 and marks the 26 slots of the 13 marked links.
void BuildRailLinks(World& w);
// Gives citizens 1..3000 four crystals each and a home city drawn in proportion to Size.
void PopulateCities(World& w, SpriteEngine& spr);

// Puts the citizen into the first empty place of the city; false (nothing changed) when the city is full.
bool AddCitizenToCity(World& w, SpriteEngine& spr, std::int16_t citizen, std::int16_t city);
// Takes the citizen at place p (1..25) out of the city and closes the gap.
void RemoveCitizenFromCity(World& w, std::int16_t city, int p);
// Fuzzes every citizen of the city.
void FuzzCity(World& w, std::int16_t city);

bool CollectionContains(const std::vector<std::int16_t>& items, std::int16_t value);
// No city within that many hops is fuzzed (its description lacks "Crystal") or holds the fuzzbomb.
bool NoFuzzWithin(const World& w, std::int16_t city, int hops);
// No city within that many hops is a hub city.
bool NoHubWithin(const World& w, std::int16_t city, int hops);
// Any of the city's five slots is a marked link.
bool IsHubCity(const World& w, std::int16_t city);
// NoFuzzWithin(city, 3) and NoHubWithin(city, 2).
bool IsGoodStartCity(const World& w, std::int16_t city);

}  // namespace rq
