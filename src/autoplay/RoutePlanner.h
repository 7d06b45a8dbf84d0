// The autoplayer's journeys: the cheapest way over the rail links from one city to another, as a
// player reads it off the information panel's "Trains available to:" lists and the map's fuzz.
#pragma once

#include <cstdint>
#include <vector>

#include "world/World.h"

namespace rq {

// The cities of the way from `from` to `to`, both included, over the five links of each city, leaving
// after the train of slot `lastGone` has left: the quickest way, where a fuzzed city passed through (the target and
// `from` do not count) costs two journeys more and each wait on its platform thirty times as much as elsewhere. Empty
// when `to` cannot be reached; {from} when they are the same city.
std::vector<std::int16_t> PlanRoute(const World& w, std::int16_t from, std::int16_t to, std::int16_t lastGone);

// The nearest city (fewest journeys, then the lowest number) whose citizens still hold crystals, the
// map's unfuzzed cities; `from` itself when it is one, 0 when none is left.
std::int16_t NearestCleanCity(const World& w, std::int16_t from);

// The train slot (1..5) of `city` whose train goes to `dest`, or 0 when none does.
std::int16_t SlotTo(const World& w, std::int16_t city, std::int16_t dest);

}  // namespace rq
