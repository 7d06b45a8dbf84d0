// Small hand-made rail networks, a street with the player and its citizen actors, and a sound
// recorder: what the tests of trains, arrivals, actors and journeys build on.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/Index.h"
#include "base/SoundPort.h"
#include "sprite/SpriteDraw.h"
#include "sprite/SpriteEngine.h"
#include "sprite/SpriteSetup.h"
#include "support/RecordingSound.h"
#include "world/World.h"

namespace rq::testkit {

using RecordingSound = rq::test::RecordingSound;

class CountingDisplay : public CrystalDisplayPort {
public:
    void UpdateCrystalDisplay() override { ++updates; }
    int updates = 0;
};

// A draw that makes Int(Rnd × n) come out as i.
inline double Draw(int i, int n) {
    return (i + 0.5) / n;
}

// Actor sizes on the hand-made sheet: every look is 20 × 40, the crystal 8 × 8.
inline constexpr std::int16_t kActorWidth = 20;
inline constexpr std::int16_t kActorHeight = 40;

class TestWorld {
public:
    TestWorld() { fx.Port = &sound; }

    World& W() { return *w; }
    SpriteEngine& Spr() { return *spr; }

    // City c gets the size and, on slot s, a link to d (type 1 = marked).
    void Link(std::int16_t c, std::int16_t s, std::int16_t d, std::int16_t type = 0) {
        City& city = w->city(c);
        city.TrainDest[At(s)] = d;
        city.TrainType[At(s)] = type;
        if (city.Size == 0) city.Size = 3;
        if (w->city(d).Size == 0) w->city(d).Size = 3;
    }

    // Adds new citizens with the given crystal counts to city c (through the city table's own
    // operation) and returns their numbers.
    std::vector<std::int16_t> AddCitizens(std::int16_t c, std::initializer_list<std::int16_t> crystals);

    // Citizens with the given crystal counts that are not in any city yet (riders).
    std::vector<std::int16_t> NewRiders(std::initializer_list<std::int16_t> crystals) {
        std::vector<std::int16_t> out;
        for (const std::int16_t n : crystals) {
            out.push_back(++lastCitizen);
            w->crystals(lastCitizen) = n;
        }
        return out;
    }

    // Puts riders into stage j of route (c, s), from seat 1.
    void Seat(std::int16_t c, std::int16_t s, int j, const std::vector<std::int16_t>& riders) {
        int k = 1;
        for (const std::int16_t r : riders) {
            w->city(c).Stage(s, j)[At(k++)] = r;
        }
    }
    std::vector<std::int16_t> Stage(std::int16_t c, std::int16_t s, int j) const {
        std::vector<std::int16_t> out;
        const auto& st = w->city(c).Stage(s, j);
        for (int k = 1; k <= kSeats && st[At(k)] != 0; ++k) out.push_back(st[At(k)]);
        return out;
    }
    std::vector<std::int16_t> Queue(std::int16_t c, std::int16_t s) const {
        std::vector<std::int16_t> out;
        const auto& q = w->city(c).Waiting[At(s)];
        for (int k = 1; k <= kSeats && q[At(k)] != 0; ++k) out.push_back(q[At(k)]);
        return out;
    }
    std::vector<std::int16_t> CitizensOf(std::int16_t c) const {
        const City& city = w->city(c);
        return {city.Citizens.begin() + 1, city.Citizens.begin() + 1 + city.NumCitizens};
    }

    // The street of the player's city: back buffer, frames 0..28, the player (109) and the citizen
    // actors (110..134) created and hidden, the track strip as scene rectangle 1.
    void BuildStreet();

    std::unique_ptr<World> w = std::make_unique<World>();
    std::unique_ptr<SpriteEngine> spr = std::make_unique<SpriteEngine>();
    RecordingSound sound;
    EffectPlayer fx;
    std::int16_t lastCitizen = 0;
};

inline std::vector<std::int16_t> TestWorld::AddCitizens(std::int16_t c, std::initializer_list<std::int16_t> crystals) {
    std::vector<std::int16_t> out;
    for (const std::int16_t n : crystals) {
        const std::int16_t citizen = ++lastCitizen;
        w->crystals(citizen) = n;
        City& city = w->city(c);
        ++city.NumCitizens;
        city.Citizens[At(city.NumCitizens)] = citizen;
        out.push_back(citizen);
    }
    return out;
}

inline void TestWorld::BuildStreet() {
    iSprCreateBackBuffer(*spr, kBackBufferWidth, kBackBufferHeight);
    spr->gFrames.clear();
    for (int f = 0; f <= 28; ++f) {
        const bool actor = f <= 11;
        spr->gFrames.push_back({static_cast<std::int16_t>(f * 30), static_cast<std::int16_t>(f * 2),
                                actor ? kActorWidth : std::int16_t{8}, actor ? kActorHeight : std::int16_t{8}});
    }
    spr->gFrames.push_back({});
    iSprCreateSprite(*spr, {kPlayerSlot, 0, 3, true, 3});
    for (std::int16_t slot = kFirstActorSlot; slot <= kLastActorSlot; ++slot) {
        iSprCreateSprite(*spr, {slot, 8, 11, true, 3});
    }
    spr->gSceneRects = {SceneRect{}, SceneRect{640, 184, 640, 10}};
}

}  // namespace rq::testkit
