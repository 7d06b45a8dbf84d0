// The world's and the street's rules, checked over all the data they cover.
#include "game/Invariants.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "base/Index.h"
#include "scene/ActorPass.h"
#include "scene/Crystals.h"
#include "world/Clock.h"
#include "world/Platform.h"

namespace rq {

namespace {

constexpr std::size_t kMaxViolations = 20;

// Collects broken rules up to the limit; the rest are only counted.
class Findings {
public:
    void Add(std::string text) {
        if (found_.size() < kMaxViolations) {
            found_.push_back(std::move(text));
        }
    }
    Violations Take() { return std::move(found_); }

private:
    Violations found_;
};

std::string CityText(int c) {
    return "city " + std::to_string(c);
}

void CheckCrystals(const World& w, Findings& f) {
    for (int citizen = 1; citizen <= kNumCitizens; ++citizen) {
        const std::int16_t n = w.crystals(citizen);
        if (n < kFuzzed || n > kCitizenCrystalLimit) {
            f.Add("citizen " + std::to_string(citizen) + " holds " + std::to_string(n) + " crystals");
        }
    }
    const std::int16_t own = w.crystals(kPlayer);
    if (own < kFuzzed || own > kPlayerCrystalLimit) {
        f.Add("the player holds " + std::to_string(own) + " crystals");
    }
}

// The lists' part of the world copied into one row, city after city, for a quick comparison.
constexpr std::size_t kCityListWords = sizeof(City::Citizens) / 2 + 1 + sizeof(City::RiderRows) / 2 +
                                       sizeof(City::StageRot) / 2 + sizeof(City::Waiting) / 2;

template <typename T>
std::int16_t* CopyWords(const T& from, std::int16_t* to) {
    std::memcpy(to, &from, sizeof from);
    return to + sizeof from / 2;
}

template <typename T>
bool SameWords(const T& a, const std::int16_t* b) {
    return std::memcmp(&a, b, sizeof a) == 0;
}

}  // namespace

Violations CheckWorld(const World& w, const std::vector<std::int16_t>& listedTwice, int* placedOut,
                      std::int16_t handedOverSlot) {
    Findings f;
    std::array<int, kNumCitizens + 2> seen{};
    int placed = 0;
    // A list of places 1..n packed from place 1: the first 0 ends it and nothing follows.
    auto packed = [&](const auto& list, int n, const char* where, int c, bool counted = true) {
        bool ended = false;
        for (int k = 1; k <= n; ++k) {
            const std::int16_t who = list[At(k)];
            if (who == 0) {
                ended = true;
            } else if (ended || who < 1 || who > kPlayer) {
                f.Add(std::string(where) + " of " + CityText(c) + " holds " + std::to_string(who) + " at " +
                      std::to_string(k));
            } else if (counted) {
                ++seen[At(who)];
                placed += who <= kNumCitizens ? 1 : 0;
            }
        }
    };
    for (int c = 1; c <= kNumCities; ++c) {
        const City& city = w.city(c);
        const int n = city.NumCitizens;
        if (n < 0 || n > kMaxCitizensInCity || (n < kMaxCitizensInCity && city.Citizens[At(n + 1)] != 0) ||
            (n > 0 && city.Citizens[At(n)] == 0)) {
            f.Add(CityText(c) + " counts " + std::to_string(n) + " citizens");
            continue;
        }
        packed(city.Citizens, kMaxCitizensInCity, "the citizen list", c);
        for (int s = 1; s <= kSlots; ++s) {
            packed(city.Waiting[At(s)], kSeats, "a queue", c);
            for (int j = 1; j <= kStages; ++j) {
                packed(city.Stage(s, j), kSeats, "a train", c, j < kStages || s != handedOverSlot);
            }
        }
    }
    std::array<int, kNumCitizens + 2> allowed{};
    for (const std::int16_t extra : listedTwice) {
        ++allowed[At(extra)];
        --placed;
    }
    for (int citizen = 1; citizen <= kNumCitizens; ++citizen) {
        if (seen[At(citizen)] > 1 + allowed[At(citizen)]) {
            f.Add("citizen " + std::to_string(citizen) + " is in " + std::to_string(seen[At(citizen)]) + " places");
        }
    }
    if (seen[At(kPlayer)] > 1) {
        f.Add("the player is in " + std::to_string(seen[At(kPlayer)]) + " places");
    }
    if (placed + w.LostRiders != kNumCitizens) {
        f.Add(std::to_string(placed) + " citizens placed and " + std::to_string(w.LostRiders) + " lost, not " +
              std::to_string(kNumCitizens));
    }
    CheckCrystals(w, f);
    if (placedOut != nullptr) {
        *placedOut = placed;
    }
    return f.Take();
}

Violations CheckStreet(const Game& game) {
    Findings f;
    const World& w = game.world;
    const SpriteEngine& spr = game.sprites;
    const int passes = game.scene.LastCollisionPasses;
    if (passes < 0 || passes > kMaxCollisionPasses) {
        f.Add("the collision passes ran " + std::to_string(passes) + " times");
    }
    // The last journey step names the destination; its street is built by the next step.
    const bool inStreet = w.CurCity > 0 && !game.shell.InTransit;
    const int n = inStreet ? w.city(w.CurCity).NumCitizens : 0;
    const int last = kPlayerSlot + n;
    std::vector<std::int16_t> shown;
    for (int slot = kFirstActorSlot; slot <= kLastActorSlot; ++slot) {
        const Sprite& a = spr[slot];
        if (a.Shown != (slot <= last)) {
            f.Add("actor slot " + std::to_string(slot) + (a.Shown ? " shows" : " is hidden") + " with " +
                  std::to_string(n) + " citizens in the street");
        } else if (a.Shown) {
            shown.push_back(a.CitizenNo);
        }
    }
    if (!inStreet) {
        return f.Take();
    }
    const City& city = w.city(w.CurCity);
    std::vector<std::int16_t> listed(city.Citizens.begin() + 1, city.Citizens.begin() + 1 + n);
    std::sort(shown.begin(), shown.end());
    std::sort(listed.begin(), listed.end());
    if (shown != listed) {
        f.Add("the actors in the street are not the citizens of " + CityText(w.CurCity));
    }
    return f.Take();
}

Violations InvariantWatch::Check(const Game& game) {
    Violations found = CheckStreet(game);
    if (WorldListsChanged(game.world)) {
        ++worldScans_;
        const World& w = game.world;
        const std::int16_t handedOver = RidersHandedOver(w, game.sprites) ? CurrentTrainSlot(w) : 0;
        Violations world = CheckWorld(w, {}, nullptr, handedOver);
        found.insert(found.end(), world.begin(), world.end());
    } else {
        Findings crystals;
        CheckCrystals(game.world, crystals);
        Violations more = crystals.Take();
        found.insert(found.end(), more.begin(), more.end());
    }
    const int passes = game.scene.LastCollisionPasses;
    mostPasses_ = std::max(mostPasses_, passes);
    boundReached_ += passes >= kMaxCollisionPasses ? 1 : 0;
    return found;
}

bool InvariantWatch::WorldListsChanged(const World& w) {
    const std::size_t words = kCityListWords * kNumCities + 2;
    bool changed = lists_.size() != words;
    if (!changed) {
        const std::int16_t* at = lists_.data();
        for (int c = 1; c <= kNumCities && !changed; ++c) {
            const City& city = w.city(c);
            changed = !SameWords(city.Citizens, at) || at[city.Citizens.size()] != city.NumCitizens;
            at += city.Citizens.size() + 1;
            changed = changed || !SameWords(city.RiderRows, at);
            at += sizeof city.RiderRows / 2;
            changed = changed || !SameWords(city.StageRot, at);
            at += sizeof city.StageRot / 2;
            changed = changed || !SameWords(city.Waiting, at);
            at += sizeof city.Waiting / 2;
        }
        changed = changed || std::memcmp(&w.LostRiders, lists_.data() + words - 2, sizeof w.LostRiders) != 0;
    }
    if (!changed) {
        return false;
    }
    lists_.resize(words);
    std::int16_t* at = lists_.data();
    for (int c = 1; c <= kNumCities; ++c) {
        const City& city = w.city(c);
        at = CopyWords(city.Citizens, at);
        *at++ = city.NumCitizens;
        at = CopyWords(city.RiderRows, at);
        at = CopyWords(city.StageRot, at);
        at = CopyWords(city.Waiting, at);
    }
    std::memcpy(at, &w.LostRiders, sizeof w.LostRiders);
    return true;
}

}  // namespace rq
