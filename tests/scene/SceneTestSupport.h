// Test support for the city scene: a window that records what the scene asks of it, and a game
// whose sprite slots are made from frames of the street's usual sizes (no picture files needed).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/Game.h"
#include "scene/SceneObjects.h"
#include "support/FakeFrontend.h"
#include "support/TestSprites.h"

namespace rq::test {

struct TestGame {
    std::unique_ptr<Game> game = std::make_unique<Game>();
    FakeFrontend port{*game};
    SceneContext ctx = SceneOf(*game, port);

    TestGame() { MakeTestSprites(game->sprites); }
};

}  // namespace rq::test
