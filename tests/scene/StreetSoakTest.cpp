// Whole streets over many seeds: citizens walk, board, meet fuzzies and crystals for a few train
// stops, and the street's rules are checked after every tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>

#include "main/WorldInvariants.h"
#include "scene/ActorPass.h"
#include "scene/CityTick.h"
#include "scene/Crystals.h"
#include "scene/EnterCity.h"
#include "scene/SceneRects.h"
#include "scene/SceneTestSupport.h"
#include "sprite/SpriteDraw.h"
#include "world/Actors.h"
#include "world/CityTable.h"
#include "world/WorldStartup.h"

namespace rq {
namespace {

using test::TestGame;

constexpr int kSeeds = 40;
constexpr int kTicks = 1500;  // a little over four train stops

bool Touches(const Sprite& s, const SceneRect& r) {
    return s.X + s.Width >= r.Left && s.Y + s.Height >= r.Top && s.X <= r.Left + r.Width && s.Y <= r.Top + r.Height;
}

bool TouchesAWall(const SpriteEngine& spr, const Sprite& s) {
    for (std::size_t r = 1; r < spr.gSceneRects.size(); ++r) {
        if (Touches(s, spr.gSceneRects[r])) return true;
    }
    return false;
}

// The player starts on a train towards the start city; here it stands in the street instead.
void TakePlayerOffTheTrains(World& w) {
    const auto takeOff = [](auto& seats) {
        auto* end = std::remove(seats.begin() + 1, seats.end(), kPlayer);
        std::fill(end, seats.end(), std::int16_t{0});
    };
    for (int c = 1; c <= kNumCities; ++c) {
        for (int s = 1; s <= kSlots; ++s) {
            takeOff(w.city(c).Waiting[static_cast<std::size_t>(s)]);
            for (int j = 1; j <= kStages; ++j) takeOff(w.city(c).Stage(s, j));
        }
    }
}

struct Seen {
    int x, y;
    bool inWall;
};

// A street of the seed's world: the start city, the fuzzbomb's city or a fuzzed neighbour, filled up
// with citizens of other cities for a busy street, some crystals lying about, the player standing
// on the platform (fuzzed in some streets) and a train about to come in.
class StreetSoak {
public:
    explicit StreetSoak(std::uint64_t seed) : dice_(seed) {
        World& w = world();
        StartWorld(w, spr(), seed);
        TakePlayerOffTheTrains(w);
        const std::int16_t fuzzbomb = w.FuzzbombCity;
        const std::int16_t city = seed % 3 == 0 ? w.CurCity : seed % 3 == 1 ? fuzzbomb : w.city(fuzzbomb).TrainDest[1];
        w.CurCity = city;
        for (std::int16_t donor = 1; seed % 2 == 0 && w.city(city).NumCitizens < kMaxCitizensInCity; ++donor) {
            if (donor != city && w.city(donor).NumCitizens > 0) {
                const std::int16_t who = w.city(donor).Citizens[1];
                RemoveCitizenFromCity(w, donor, 1);
                AddCitizenToCity(w, spr(), who, city);
            }
        }
        w.GameTime = 350;  // the first train comes in after ten ticks
        EnterCity(t_.ctx, city);
        SprShowAt(spr(), kPlayerSlot, 948, 195);
        if (seed % 5 == 0) MakeFuzzyActor(w, spr(), t_.game->effects, kPlayerSlot);
        for (int k = 0; k < 40; ++k) {
            const int slot = FindFreeCrystalSlot(spr());
            SprShowAt(spr(), slot, static_cast<std::int16_t>(dice_() % 1260),
                      static_cast<std::int16_t>(dice_() % 1110));
            if (FirstSceneRectHit(spr(), slot) != 0) SprHide(spr(), slot);
        }
        // The soak checks the street's rules, not its pictures: without a back buffer nothing is drawn.
        spr().Back.Release();
        scene().View.Release();
        Remember();
    }

    World& world() { return t_.game->world; }
    SpriteEngine& spr() { return t_.game->sprites; }
    Scene& scene() { return t_.game->scene; }

    // One tick; false once the player has left on a train.
    bool Tick() {
        if (TimerInCity(t_.ctx) == CityTickResult::JourneyBegins) return false;
        if (++ticks_ % 100 == 0) testkit::ExpectWorldIsWhole(world(), "tick " + std::to_string(ticks_));
        return true;
    }

    // Every citizen of the city is shown in exactly one actor slot, packed from 110; the counts are
    // within their limits; no citizen's own move ended in a wall.
    void ExpectStreetIsWhole(const std::string& when) {
        const World& w = world();
        const City& city = w.city(w.CurCity);
        const int last = kPlayerSlot + city.NumCitizens;
        for (int slot = kFirstActorSlot; slot <= kLastActorSlot; ++slot) {
            ASSERT_EQ(spr()[slot].Shown, slot <= last) << when << ": slot " << slot << " of " << last;
        }
        for (int p = 1; p <= city.NumCitizens; ++p) {
            const std::int16_t c = city.Citizens[static_cast<std::size_t>(p)];
            int shown = 0;
            for (int slot = kFirstActorSlot; slot <= last; ++slot) shown += spr()[slot].CitizenNo == c ? 1 : 0;
            ASSERT_EQ(shown, 1) << when << ": citizen " << c;
            ASSERT_GE(w.crystals(c), -1) << when;
            ASSERT_LE(w.crystals(c), 10) << when << ": citizen " << c;
        }
        ASSERT_GE(w.crystals(kPlayer), -1) << when;
        ASSERT_LE(w.crystals(kPlayer), 100) << when;
        for (int slot = kFirstActorSlot; slot <= last; ++slot) {
            const Sprite& a = spr()[slot];
            const auto before = seen_.find(a.CitizenNo);
            const bool ownMove = before != seen_.end() && (a.VX != 0 || a.VY != 0) && a.X == before->second.x + a.VX &&
                                 a.Y == before->second.y + a.VY;
            ASSERT_FALSE(ownMove && !before->second.inWall && TouchesAWall(spr(), a))
                << when << ": citizen " << a.CitizenNo << " walked into a wall at " << a.X << "," << a.Y;
        }
        ASSERT_LE(scene().LastCollisionPasses, kMaxCollisionPasses);
        Remember();
    }

private:
    void Remember() {
        seen_.clear();
        for (int slot = kFirstActorSlot; slot <= kLastActorSlot; ++slot) {
            const Sprite& a = spr()[slot];
            if (a.Shown) seen_[a.CitizenNo] = {a.X, a.Y, TouchesAWall(spr(), a)};
        }
    }

    TestGame t_;
    std::mt19937 dice_;
    std::map<int, Seen> seen_;
    int ticks_ = 0;
};

TEST(StreetSoakTest, BusyStreetsKeepEveryCitizenAndEveryRuleTickAfterTick) {
    int boundReached = 0;
    int mostPasses = 0;
    int boarded = 0;
    for (std::uint64_t seed = 1; seed <= kSeeds; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        StreetSoak street(seed);
        const int before = street.world().city(street.world().CurCity).NumCitizens;
        for (int tick = 1; tick <= kTicks && street.Tick(); ++tick) {
            street.ExpectStreetIsWhole("tick " + std::to_string(tick));
            if (HasFatalFailure()) return;
            mostPasses = std::max(mostPasses, street.scene().LastCollisionPasses);
            boundReached += street.scene().LastCollisionPasses == kMaxCollisionPasses ? 1 : 0;
        }
        boarded += before - street.world().city(street.world().CurCity).NumCitizens;
        testkit::ExpectWorldIsWhole(street.world(), "the end");
    }
    RecordProperty("MostPasses", mostPasses);
    RecordProperty("BoundReached", boundReached);
    EXPECT_GT(boarded, 0) << "some citizens took a train";
}

}  // namespace
}  // namespace rq
