// Whole streets over many seeds: citizens walk, board, meet fuzzies and crystals for a few train
// stops, and the street's rules are checked after every tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>

#include "game/Invariants.h"
#include "scene/ActorPass.h"
#include "scene/CityTick.h"
#include "scene/EnterCity.h"
#include "scene/SceneRects.h"
#include "scene/SceneTestSupport.h"
#include "support/WorldInvariants.h"
#include "world/Actors.h"
#include "world/CityTable.h"
#include "world/WorldStartup.h"

namespace rq {
namespace {

bool TouchesAWall(const SpriteEngine& spr, const Sprite& s) {
    for (std::size_t r = 1; r < spr.gSceneRects.size(); ++r) {
        const SceneRect& q = spr.gSceneRects[r];
        if (s.X + s.Width >= q.Left && s.Y + s.Height >= q.Top && s.X <= q.Left + q.Width && s.Y <= q.Top + q.Height)
            return true;
    }
    return false;
}

// The seed's world in the start city, the fuzzbomb's city or a fuzzed neighbour, every other street
// filled up to 25 citizens, 40 crystals thrown about, the player standing on the platform (fuzzed in
// some streets; taken off the train it starts on) and a train about to come in. Nothing is drawn.
void BuildBusyStreet(test::TestGame& t, std::uint64_t seed) {
    World& w = t.game->world;
    SpriteEngine& spr = t.game->sprites;
    StartWorld(w, spr, seed);
    for (auto& city : w.Cities) {
        for (int s = 1; s <= kSlots; ++s) {
            for (int j = 0; j <= kStages; ++j) {
                auto& seats = j == 0 ? city.Waiting[static_cast<std::size_t>(s)] : city.Stage(s, j);
                std::fill(std::remove(seats.begin() + 1, seats.end(), kPlayer), seats.end(), std::int16_t{0});
            }
        }
    }
    const std::int16_t bomb = w.FuzzbombCity;
    w.CurCity = seed % 3 == 0 ? w.CurCity : (seed % 3 == 1 ? bomb : w.city(bomb).TrainDest[1]);
    for (std::int16_t donor = 1; seed % 2 == 0 && w.city(w.CurCity).NumCitizens < kMaxCitizensInCity; ++donor) {
        if (donor != w.CurCity && w.city(donor).NumCitizens > 0) {
            const std::int16_t who = w.city(donor).Citizens[1];
            RemoveCitizenFromCity(w, donor, 1);
            AddCitizenToCity(w, spr, who, w.CurCity);
        }
    }
    w.GameTime = 350;
    EnterCity(t.ctx, w.CurCity);
    SprShowAt(spr, kPlayerSlot, 948, 195);
    if (seed % 5 == 0) MakeFuzzyActor(w, spr, t.game->effects, kPlayerSlot);
    std::mt19937 dice(static_cast<unsigned>(seed));
    for (int k = 1; k <= 40; ++k) {
        SprShowAt(spr, k, static_cast<std::int16_t>(dice() % 1260), static_cast<std::int16_t>(dice() % 1110));
        if (FirstSceneRectHit(spr, k) != 0) SprHide(spr, k);
    }
    spr.Back.Release();
    t.game->scene.View.Release();
}

TEST(StreetSoakTest, BusyStreetsKeepEveryCitizenAndEveryRuleTickAfterTick) {
    int mostPasses = 0, boundReached = 0, boarded = 0;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        test::TestGame t;
        BuildBusyStreet(t, seed);
        const World& w = t.game->world;
        const SpriteEngine& spr = t.game->sprites;
        const City& city = w.city(w.CurCity);
        const int arrivedWith = city.NumCitizens;
        std::map<int, Sprite> before;
        for (int tick = 1; tick <= 1500 && TimerInCity(t.ctx) == CityTickResult::StayInCity; ++tick) {
            const std::string when = "seed " + std::to_string(seed) + " tick " + std::to_string(tick);
            const Violations street = CheckStreet(*t.game);
            ASSERT_TRUE(street.empty()) << when << ": " << street.front();
            std::map<int, Sprite> now;
            for (int slot = kFirstActorSlot; slot <= kLastActorSlot; ++slot) {
                const Sprite& a = spr[slot];
                if (!a.Shown) continue;
                now.emplace(a.CitizenNo, a);
                ASSERT_TRUE(w.crystals(a.CitizenNo) >= -1 && w.crystals(a.CitizenNo) <= 10) << when;
                const auto was = before.find(a.CitizenNo);
                const bool ownMove = was != before.end() && (a.VX != 0 || a.VY != 0) && a.X == was->second.X + a.VX &&
                                     a.Y == was->second.Y + a.VY;
                ASSERT_FALSE(ownMove && !TouchesAWall(spr, was->second) && TouchesAWall(spr, a))
                    << when << ": citizen " << a.CitizenNo << " walked into a wall";
            }
            ASSERT_TRUE(w.crystals(kPlayer) >= -1 && w.crystals(kPlayer) <= 100) << when;
            if (tick % 100 == 0) testkit::ExpectWorldIsWhole(w, when);
            mostPasses = std::max(mostPasses, t.game->scene.LastCollisionPasses);
            boundReached += t.game->scene.LastCollisionPasses >= kMaxCollisionPasses ? 1 : 0;
            before = now;
        }
        boarded += arrivedWith - city.NumCitizens;
    }
    RecordProperty("MostPasses", mostPasses);
    RecordProperty("BoundReached", boundReached);
    EXPECT_GT(boarded, 0) << "some citizens took a train";
}

}  // namespace
}  // namespace rq
