// A game for the loop's tests: the whole network built with test sprites, the player on the street
// of Birmingham (a size-3 city) with 10 crystals, the clock one unit before midnight and the loop on.
#pragma once

#include <memory>

#include "game/Game.h"
#include "scene/EnterCity.h"
#include "shell/GameLoop.h"
#include "sprite/SpriteDraw.h"
#include "support/FakeFrontend.h"
#include "support/RecordingSound.h"
#include "support/TestSprites.h"
#include "world/CityTable.h"
#include "world/Trains.h"
#include "world/WorldStartup.h"

namespace rq::test {

struct LoopGame {
    static constexpr std::int16_t kHere = 1;  // Birmingham, size 3

    LoopGame() {
        MakeTestSprites(game->sprites);
        World& w = game->world;
        BuildCityTable(w);
        BuildRailLinks(w);
        PopulateCities(w, game->sprites);
        HandOutStartingCrystals(w);
        w.CurCity = kHere;
        w.FuzzbombCity = 150;
        game->effects.Port = &sound;
        SceneContext ctx = SceneOf(*game, fe);
        EnterCity(ctx, kHere);
        SprShowAt(game->sprites, kPlayerSlot, 900, 250);
        w.GameTime = -1;
        loop.SetEnabled(true, 0);
    }

    std::unique_ptr<Game> game = std::make_unique<Game>();
    FakeFrontend fe{*game};
    RecordingSound sound;
    GameLoop loop{*game, fe};
};

}  // namespace rq::test
