// The one object that owns a game's state: the world, the sprite engine, the sound switches and the shell.
#pragma once

#include <cstdint>
#include <string>

#include "base/SoundPort.h"
#include "main/PanelState.h"
#include "scene/Scene.h"
#include "sprite/SpriteEngine.h"
#include "world/World.h"

namespace rq {

// The game shell's state. Where the window once kept game state in its controls (the pause caption,
// the timer's tag, which control-mode menu item shows) it is kept here and the window shows it.
struct Shell {
    std::string AppPath;             // the program folder, ending in '/'
    bool Paused = false;             // the Pause entry reads "Un&pause"
    bool InTransit = false;          // the game loop's tag reads "In Transit"
    bool SplashUp = false;           // the splash window still holds the game
    std::int16_t StartupStage = 0;   // start-up handshake with the splash window
    bool FirstTickDone = false;      // the one tick behind the splash window has run
    bool JoystickMode = false;       // the Game menu offers "Switch to &Keyboard"
    std::uint16_t InputBits = 0;     // held directions and the action button
    std::int16_t SelectedTrain = 0;  // the train slot chosen in the ticket window, 0 = none
};

struct Game {
    World world;
    SpriteEngine sprites;
    EffectPlayer effects;
    Shell shell;
    Scene scene;
    Panels panels;  // the main window's panels: layout, history, map, ticket rows
};

}  // namespace rq
