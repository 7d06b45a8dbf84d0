// The autoplayer's journeys: the cheapest way over the rail links from one city to another, as a
// player reads it off the information panel's "Trains available to:" lists and the map's fuzz.
#pragma once

#include <cstdint>
#include <vector>

#include "world/World.h"

namespace rq {

// The cities of the way from `from` to `to`, both included, over the five links of each city, in the
// window of slot `slotNow`, whose train can still be boarded when `catchable`: the quickest way, where
// each window waited on a fuzzed city's platform costs more than five journeys, so it changes trains
// there only onto the train it came in with. Empty when `to` cannot be reached; {from} when they are
// the same city.
std::vector<std::int16_t> PlanRoute(const World& w, std::int16_t from, std::int16_t to, std::int16_t slotNow,
                                    bool catchable);

// The nearest city (fewest journeys, then the lowest number) whose citizens still hold crystals, the
// map's unfuzzed cities; `from` itself when it is one, 0 when none is left.
std::int16_t NearestCleanCity(const World& w, std::int16_t from);

// The fewest journeys from `from` to `to` over the links (0 for the same city, -1 when unreachable).
int Journeys(const World& w, std::int16_t from, std::int16_t to);

// The train slot (1..5) of `city` whose train goes to `dest`, or 0 when none does.
std::int16_t SlotTo(const World& w, std::int16_t city, std::int16_t dest);

}  // namespace rq
