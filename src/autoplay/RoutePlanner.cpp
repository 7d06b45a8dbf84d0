// Route planning over the rail links: a shortest-path search where passing through a fuzzed city
// costs far more than one more journey.
#include "autoplay/RoutePlanner.h"

#include <algorithm>
#include <array>
#include <functional>
#include <limits>
#include <queue>
#include <utility>

#include "world/CityDescription.h"

namespace rq {

namespace {

// Costs in two-minute train windows: a journey takes 90 of them. Changing trains in a fuzzed city
// costs a little even on the train it came in with (boarded in the last moments of the same stop),
// and every window waited on its platform, full of fuzzies, more than five journeys: a journey is
// safe, a fuzzy's touch on the platform halves the crystals.
constexpr int kJourneyWindows = 90;
constexpr int kFuzzedChange = 12;
constexpr int kFuzzedWait = 500;

}  // namespace

std::int16_t SlotTo(const World& w, std::int16_t city, std::int16_t dest) {
    if (city < 1 || city > kNumCities) {
        return 0;
    }
    const City& c = w.city(city);
    for (std::int16_t s = 1; s <= kSlots; ++s) {
        if (c.TrainDest[static_cast<std::size_t>(s)] == dest) {
            return s;
        }
    }
    return 0;
}

int Journeys(const World& w, std::int16_t from, std::int16_t to) {
    if (from < 1 || from > kNumCities || to < 1 || to > kNumCities) {
        return -1;
    }
    std::array<int, kNumCities + 1> hops{};
    hops.fill(-1);
    hops[static_cast<std::size_t>(from)] = 0;
    std::vector<std::int16_t> ring{from};
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const std::int16_t c = ring[i];
        if (c == to) {
            return hops[static_cast<std::size_t>(c)];
        }
        for (int s = 1; s <= kSlots; ++s) {
            const std::int16_t d = w.city(c).TrainDest[static_cast<std::size_t>(s)];
            if (d >= 1 && d <= kNumCities && hops[static_cast<std::size_t>(d)] < 0) {
                hops[static_cast<std::size_t>(d)] = hops[static_cast<std::size_t>(c)] + 1;
                ring.push_back(d);
            }
        }
    }
    return -1;
}

std::int16_t NearestCleanCity(const World& w, std::int16_t from) {
    if (from < 1 || from > kNumCities) {
        return 0;
    }
    std::array<bool, kNumCities + 1> seen{};
    std::vector<std::int16_t> ring{from};
    seen[static_cast<std::size_t>(from)] = true;
    while (!ring.empty()) {
        std::int16_t best = 0;
        for (const std::int16_t c : ring) {
            if (DescribeWords(w, c).CrystalWord && (best == 0 || c < best)) {
                best = c;
            }
        }
        if (best != 0) {
            return best;
        }
        std::vector<std::int16_t> next;
        for (const std::int16_t c : ring) {
            for (int s = 1; s <= kSlots; ++s) {
                const std::int16_t d = w.city(c).TrainDest[static_cast<std::size_t>(s)];
                if (d >= 1 && d <= kNumCities && !seen[static_cast<std::size_t>(d)]) {
                    seen[static_cast<std::size_t>(d)] = true;
                    next.push_back(d);
                }
            }
        }
        ring = std::move(next);
    }
    return 0;
}

std::vector<std::int16_t> PlanRoute(const World& w, std::int16_t from, std::int16_t to, std::int16_t slotNow,
                                    bool catchable) {
    if (from < 1 || from > kNumCities || to < 1 || to > kNumCities) {
        return {};
    }
    // States are (city, slot of the train that brought the figure there): a journey lasts a whole
    // number of ten-minute rounds, so the figure steps off while the train of the slot it left in
    // stands at the platform, and can board that one at once; any other waits until its slot comes
    // round.
    constexpr int kStates = (kNumCities + 1) * (kSlots + 1);
    constexpr int kUnreached = std::numeric_limits<int>::max();
    std::array<int, kStates> cost{};
    std::array<int, kStates> previous{};
    std::array<bool, kStates> done{};
    cost.fill(kUnreached);
    previous.fill(-1);
    const auto state = [](int city, int slot) { return city * (kSlots + 1) + slot; };
    const int first = state(from, std::clamp<int>(slotNow, 1, kSlots));
    cost[static_cast<std::size_t>(first)] = 0;
    std::array<bool, kNumCities + 1> fuzzed{};
    for (int c = 1; c <= kNumCities; ++c) {
        fuzzed[static_cast<std::size_t>(c)] = !DescribeWords(w, static_cast<std::int16_t>(c)).CrystalWord;
    }
    using Entry = std::pair<int, int>;  // cost, state
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    open.push({0, first});
    int reached = -1;
    while (!open.empty()) {
        const auto [at, here] = open.top();
        open.pop();
        const auto u = static_cast<std::size_t>(here);
        if (done[u] || at != cost[u]) {
            continue;
        }
        done[u] = true;
        const int city = here / (kSlots + 1), slot = here % (kSlots + 1);
        if (city == to) {
            reached = here;
            break;
        }
        const bool dirty = fuzzed[static_cast<std::size_t>(city)];
        const bool standing = here != first || catchable;
        for (int s = 1; s <= kSlots; ++s) {
            const std::int16_t next = w.city(city).TrainDest[static_cast<std::size_t>(s)];
            if (next < 1 || next > kNumCities) {
                continue;
            }
            int windows = (s - slot + kSlots) % kSlots;  // 0..4: 0 is the train standing there
            if (windows == 0 && !standing) {
                windows = kSlots;
            }
            const int step = kJourneyWindows + (dirty ? kFuzzedChange + windows * kFuzzedWait : windows);
            const auto v = static_cast<std::size_t>(state(next, s));
            if (at + step < cost[v]) {
                cost[v] = at + step;
                previous[v] = here;
                open.push({cost[v], state(next, s)});
            }
        }
    }
    if (reached < 0) {
        return {};
    }
    std::vector<std::int16_t> route;
    for (int i = reached; i >= 0; i = previous[static_cast<std::size_t>(i)]) {
        route.push_back(static_cast<std::int16_t>(i / (kSlots + 1)));
    }
    std::reverse(route.begin(), route.end());
    return route;
}

}  // namespace rq
