// The hand-over of a train's last stage to its destination, and the fuzz it carries.
#include "world/Arrivals.h"

#include "base/Index.h"
#include "base/Rounding.h"
#include "sprite/SpriteDraw.h"
#include "world/Actors.h"
#include "world/CityDescription.h"
#include "world/CityTable.h"
#include "world/Trains.h"
#include "world/Velocity.h"

namespace rq {

namespace {

constexpr int kSeatsThatGetOff = 3;

// The platform's edge: one pixel below the track strip (scene rectangle 1).
std::int16_t PlatformY(const SpriteEngine& spr) {
    if (spr.gSceneRects.size() < 2) {
        return 1;  // no scene built: the top of the scene
    }
    const SceneRect& track = spr.gSceneRects[1];
    return static_cast<std::int16_t>(track.Top + track.Height + 1);
}

void PlayerStepsOff(World& w, SpriteEngine& spr, const EffectPlayer& fx) {
    Sprite& player = spr[kPlayerSlot];
    if (player.Shown) {
        return;
    }
    ShowPlayerOnPlatform(spr);
    if (w.crystals(kPlayer) == kFuzzed) {
        MakeFuzzyActor(w, spr, fx, kPlayerSlot);
        SetRandomDownwardVelocity(w, spr, kPlayerSlot, 8);
    }
    ClearSpotBelow(w, spr, kPlayerSlot);
}

// The actors of the newcomers are the hidden ones with a citizen; they line up on the platform,
// alternately left and right of its centre, and walk down into the street.
void NewcomersStepOff(World& w, SpriteEngine& spr, const EffectPlayer& fx) {
    int n = 0;
    const int last = kPlayerSlot + w.city(w.CurCity).NumCitizens;
    for (int a = kFirstActorSlot; a <= last; ++a) {
        Sprite& actor = spr[a];
        if (actor.CitizenNo == 0 || actor.Shown) {
            continue;
        }
        ++n;
        const double w2 = actor.Width / 2.0;
        const double offset = actor.Width * 1.2 * n / 2;
        const double x = n % 2 == 1 ? kPlatformCentre - w2 - offset : kPlatformCentre - w2 + offset;
        SprShowAt(spr, a, static_cast<std::int16_t>(CInt(x)), PlatformY(spr));
        SetRandomFrame(w, spr, a, kCitizenFirstFrame, kCitizenFirstFrame + kLookFrames - 1);
        if (w.crystals(actor.CitizenNo) == kFuzzed) {
            MakeFuzzyActor(w, spr, fx, a);
        } else {
            // The slot may last have shown a fuzzy: without the citizen's frame range the clean
            // newcomer would wrap into the fuzzy look on its first animation step.
            ChangeLook(spr, actor, kCitizenFirstFrame, kCitizenFirstFrame);
        }
        SetRandomDownwardVelocity(w, spr, a, 7);
        ClearSpotBelow(w, spr, a);
    }
}

}  // namespace

void ShowPlayerOnPlatform(SpriteEngine& spr) {
    const Sprite& player = spr[kPlayerSlot];
    SprShowAt(spr, kPlayerSlot, static_cast<std::int16_t>(CInt(kPlatformCentre - player.Width / 2.0)), PlatformY(spr));
}

void QueueOnward(World& w, std::int16_t c, std::int16_t s, int k) {
    const std::int16_t d = w.city(c).TrainDest[At(s)];
    const std::int16_t rider = RiderAt(w, c, s, kStages, k);
    auto& queue = w.city(d).Waiting[At(s)];
    for (int q = 1; q <= kSeats; ++q) {
        if (queue[At(q)] == 0) {
            queue[At(q)] = rider;
            return;
        }
    }
    ++w.LostRiders;  // the next advance clears stage 18 and the rider with it
}

void FuzzyArrives(World& w, std::int16_t f, std::int16_t d, std::int16_t s) {
    const int attacks = w.Rng.Below(5) + 4;
    for (int i = 0; i < attacks; ++i) {
        const City& city = w.city(d);
        const int p = w.Rng.ChooseAmong(city.NumCitizens);
        const std::int16_t v = city.Citizens[At(p)];
        std::int16_t& crystals = w.crystals(v);
        if (crystals >= 1) {
            crystals = static_cast<std::int16_t>(crystals / 2);
        } else if (crystals == 0) {
            crystals = kFuzzed;
            // "1 Crystal" does not match: a city down to its last crystal stops the chain.
            if (DescribeWords(w, d).PluralCrystals) {
                FuzzyArrives(w, v, d, s);
            }
        }
    }
    const City& city = w.city(d);
    for (int p = 1; p <= city.NumCitizens; ++p) {
        if (w.crystals(city.Citizens[At(p)]) > 0) {
            w.crystals(f) = 0;
            return;
        }
    }
}

void ProcessArrivals(World& w, SpriteEngine& spr, EffectPlayer& fx, std::int16_t c, std::int16_t s) {
    const std::int16_t d = w.city(c).TrainDest[At(s)];
    if (d == 0) {
        return;  // a slot without a link carries no train
    }
    const auto& stage = w.city(c).Stage(s, kStages);
    if (stage[1] == 0) {
        fx.SceneBuilding = false;  // an empty train: the hand-over ends at once, sound on again
        return;
    }
    fx.SceneBuilding = true;
    // Seat k, reading past the last seat as an empty one.
    auto rider = [&stage](int k) { return k <= kSeats ? stage[At(k)] : std::int16_t{0}; };
    const bool toPlayersCity = d == w.CurCity;

    bool cleanTrain = true;
    if (toPlayersCity) {
        for (int k = 1; rider(k) != 0; ++k) {
            if (w.crystals(rider(k)) == kFuzzed) {
                cleanTrain = false;
                break;
            }
        }
    }

    bool newcomers = false;
    for (int k = 1;; ++k) {
        const std::int16_t r = rider(k);
        if (r == 0) {
            newcomers = k > 1 && toPlayersCity;
            break;
        }
        // While the player sits in seat 1 nobody gets off; seats 4..26 never do.
        bool staysAboard = rider(1) == kPlayer || k > kSeatsThatGetOff;
        // A fuzzy riding into the player's city keeps its clean fellow riders aboard.
        if (!staysAboard && w.crystals(r) != kFuzzed && !cleanTrain) {
            staysAboard = true;
        }
        if (staysAboard) {
            if (r != kPlayer) {
                QueueOnward(w, c, s, k);
            } else {
                PlayerStepsOff(w, spr, fx);
            }
            continue;
        }
        const bool crystalCity = DescribeWords(w, d).CrystalWord;  // read before the rider joins
        if (!AddCitizenToCity(w, spr, r, d)) {
            QueueOnward(w, c, s, k);  // the city is full
            continue;
        }
        if (!toPlayersCity) {
            if (w.crystals(r) != kFuzzed) {
                if (!crystalCity) {
                    w.crystals(r) = kFuzzed;  // a fuzzed city or the fuzzbomb city
                }
            } else if (crystalCity) {
                FuzzyArrives(w, r, d, s);
            }
        }
    }
    if (newcomers) {
        NewcomersStepOff(w, spr, fx);
    }
    fx.SceneBuilding = false;
}

void ProcessAllArrivals(World& w, SpriteEngine& spr, EffectPlayer& fx, std::int16_t s) {
    for (std::int16_t c = 1; c <= kNumCities; ++c) {
        ProcessArrivals(w, spr, fx, c, s);
    }
}

}  // namespace rq
