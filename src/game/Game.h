// The one object that owns a game's state: the world, the sprite engine, the sound switches and the shell.
#pragma once

#include <cstdint>
#include <string>

#include "base/SoundPort.h"
#include "game/PanelState.h"
#include "game/PlayerAction.h"
#include "scene/Scene.h"
#include "scene/SceneContext.h"
#include "sprite/SpriteEngine.h"
#include "world/Journey.h"
#include "world/World.h"

namespace rq {

class RecordingWriter;

// The start-up handshake with the splash window.
enum class StartupStage : std::int16_t {
    Loading = 0,    // start-up is building the game
    FirstTick = 1,  // the one tick behind the splash window may run
    Ready = 2,      // the street's first picture is ready: the splash offers the start
};

// The journey under way: where it stands between two of its steps.
struct Trip {
    Journey Run;
    bool Begun = false;        // its first step has run
    bool TickPending = false;  // a step ran; its tick sound follows its wait
    bool Arrived = false;      // step 180 has run: the next step builds the destination's street
    int LastWaitMs = 0;        // the wait after the step that ran last, which paces the window
};

// The game shell's state. Where the window once kept game state in its controls (the pause caption,
// the timer's tag, which control-mode menu item shows) it is kept here and the window shows it.
struct Shell {
    std::string AppPath;     // the program folder, ending in '/'
    bool Paused = false;     // the Pause entry reads "Un&pause"
    bool InTransit = false;  // the game loop's tag reads "In Transit"
    bool SplashUp = false;   // the splash window still holds the game
    StartupStage Stage = StartupStage::Loading;
    bool FirstTickDone = false;  // the one tick behind the splash window has run
    // Steps run since the splash click (the click is step 0, the first city tick after it step 1),
    // counted on through new games: the clock of a recording. See NextStep.
    std::int64_t Steps = 0;
    RecordingWriter* Recorder = nullptr;  // --record: where what the player does is written
    InputFrom Input = InputFrom::Live;    // who holds the input now
    Trip Travel;                          // the journey under way, while InTransit
};

// The game's one step number for input: whatever is applied between two steps (held keys or an
// action, from any source) is applied before the step that runs next, and is stamped with its number.
// The recorder writes it, a recording is read by it, the sources are asked for it, and the trace and the
// state checks count by it.
inline std::int64_t NextStep(const Shell& shell) {
    return shell.Steps + 1;
}

struct Game {
    World world;
    SpriteEngine sprites;
    EffectPlayer effects;
    Shell shell;
    Scene scene;
    Panels panels;  // the main window's panels: layout, history, map, ticket rows
};

// The city scene's part of a game, with the window that shows it.
inline SceneContext SceneOf(Game& game, ScenePort& port) {
    return {game.world, game.sprites, game.effects, port, game.scene};
}

}  // namespace rq
