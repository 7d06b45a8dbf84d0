// Checks over the whole world: every citizen in exactly one place or counted as lost, every list
// packed and within its bounds. Shared by the start-up and the long-running simulation tests.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

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

// Adds a failure for every broken rule; returns how many citizens were found in places. A new game
// may list a citizen in a second city (one that was empty): `listedTwice` names each such extra place.
inline int ExpectWorldIsWhole(const World& w, const std::string& when,
                              const std::vector<std::int16_t>& listedTwice = {}) {
    auto at = [](int i) { return static_cast<std::size_t>(i); };
    std::array<int, kNumCitizens + 2> seen{};
    int placed = 0;
    int failures = 0;
    auto note = [&](std::int16_t who, const char* where, int c) {
        if (who < 1 || who > kPlayer) {
            ADD_FAILURE() << when << ": " << where << " of city " << c << " holds " << who;
            ++failures;
            return;
        }
        ++seen[at(who)];
        placed += who <= kNumCitizens ? 1 : 0;
    };
    // A list of places 1..n packed from place 1: the first 0 ends it and nothing follows.
    auto packed = [&](const auto& list, int n, const char* where, int c) {
        bool ended = false;
        for (int k = 1; k <= n; ++k) {
            const std::int16_t v = list[at(k)];
            if (v == 0) {
                ended = true;
            } else if (ended) {
                ADD_FAILURE() << when << ": " << where << " of city " << c << " is not packed at " << k;
                ++failures;
            } else {
                note(v, where, c);
            }
        }
    };
    for (int c = 1; c <= kNumCities && failures < 20; ++c) {
        const City& city = w.city(c);
        if (city.NumCitizens < 0 || city.NumCitizens > kMaxCitizensInCity) {
            ADD_FAILURE() << when << ": city " << c << " counts " << city.NumCitizens << " citizens";
            ++failures;
            continue;
        }
        for (int p = 1; p <= kMaxCitizensInCity; ++p) {
            const std::int16_t v = city.Citizens[at(p)];
            if ((p <= city.NumCitizens) != (v != 0)) {
                ADD_FAILURE() << when << ": place " << p << " of city " << c << " holds " << v << " with "
                              << city.NumCitizens << " citizens";
                ++failures;
            } else if (v != 0) {
                note(v, "the citizen list", c);
            }
        }
        for (int s = 1; s <= kSlots; ++s) {
            packed(city.Waiting[at(s)], kSeats, "a queue", c);
            for (int j = 1; j <= kStages; ++j) {
                packed(city.Stage(s, j), kSeats, "a train", c);
            }
        }
    }
    std::array<int, kNumCitizens + 2> allowed{};
    for (const std::int16_t extra : listedTwice) {
        ++allowed[at(extra)];
        --placed;
    }
    for (int citizen = 1; citizen <= kNumCitizens; ++citizen) {
        if (seen[at(citizen)] > 1 + allowed[at(citizen)]) {
            ADD_FAILURE() << when << ": citizen " << citizen << " is in " << seen[at(citizen)] << " places";
            if (++failures > 20) break;
        }
        const std::int16_t crystals = w.crystals(citizen);
        if (crystals < -1) {
            ADD_FAILURE() << when << ": citizen " << citizen << " holds " << crystals;
            ++failures;
        }
    }
    EXPECT_LE(seen[at(kPlayer)], 1) << when << ": the player is in more than one place";
    EXPECT_EQ(placed + w.LostRiders, kNumCitizens) << when << ": citizens placed plus lost";
    return placed;
}

}  // namespace rq::testkit
