// Checks over the whole world for the tests: the world's rules as failures, and the hops between cities.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "game/Invariants.h"
#include "world/World.h"

namespace rq::testkit {

// Hops from `from` to every city over the rail links (−1 = not reached).
inline std::vector<int> Hops(const World& w, int from) {
    auto at = [](int i) { return static_cast<std::size_t>(i); };
    std::vector<int> hops(kNumCities + 1, -1);
    std::vector<int> level{from};
    hops[at(from)] = 0;
    for (int h = 1; !level.empty(); ++h) {
        std::vector<int> next;
        for (const int c : level) {
            for (int s = 1; s <= kSlots; ++s) {
                const int d = w.city(c).TrainDest[at(s)];
                if (d >= 1 && hops[at(d)] < 0) {
                    hops[at(d)] = h;
                    next.push_back(d);
                }
            }
        }
        level = std::move(next);
    }
    return hops;
}

// Adds a failure for every broken rule of the world (CheckWorld); returns how many citizens were
// found in places. A new game may list a citizen in a second city (one that was empty):
// `listedTwice` names each such extra place.
inline int ExpectWorldIsWhole(const World& w, const std::string& when,
                              const std::vector<std::int16_t>& listedTwice = {}) {
    int placed = 0;
    for (const std::string& broken : CheckWorld(w, listedTwice, &placed)) {
        ADD_FAILURE() << when << ": " << broken;
    }
    return placed;
}

}  // namespace rq::testkit
