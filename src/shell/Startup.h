// The game's start-up steps that need no window: the seed and the player's crystals, the back buffer,
// the pictures and the frame file, then the world, the sprite slots and the track strip.
#pragma once

#include <string>

#include "base/MessagePort.h"
#include "base/SoundPort.h"
#include "game/Frontend.h"
#include "game/Game.h"
#include "sprite/PictureLoader.h"

namespace rq {

// The back buffer, then railquest.bmp, masks.bmp, tracks.bmp, usa.bmp and railquest.dat from the
// program folder, stopping at the first failure (whose loader has already shown its message).
bool LoadGameFiles(Game& game, PictureLoader& loader, MessagePort& messages);

// The seed, the player's 10 crystals and day 1: start-up's first steps, before the main window loads.
void BeginGame(Game& game, std::uint64_t seed);

// After the files are loaded: the world, then the sprite slots and the track strip. False when a
// slot cannot be made.
bool BuildGame(Game& game);

// Once the main window is laid out: the window shows the player's crystal count from now on, and the
// start city's street is built behind the splash window.
void EnterStartCity(Game& game, Frontend& fe);

// What start-up asks of the game's windows; the window and the headless game each answer it their way.
class StartupHost {
public:
    virtual ~StartupHost() = default;
    // Once the seed is set and the crystals are counted: the splash window, then the main window.
    virtual void OpenWindows() {}
    // The pictures' reader, and where a file that does not load is told.
    virtual PictureLoader& Pictures() = 0;
    virtual MessagePort& LoadMessages() = 0;
    // Once the files are loaded: what plays the effects.
    virtual SoundPort& OpenVoice() = 0;
    // The ticket window and the information panel laid out over the game view.
    virtual void LayOutPanels() = 0;
    // The frontend that shows the start city's street.
    virtual Frontend& Window() = 0;
};

// The game's start-up in its order, the one way the window and the headless game start: the seed,
// the crystals and day 1, the windows, the files, the world and the sprite slots, the voice, the
// panels' layout and the start city's street built behind the splash window, ready for the first
// tick. False at the first failure, whose message has been shown; the failure exit is the caller's.
bool StartGame(Game& game, std::uint64_t seed, const std::string& appPath, StartupHost& host);

// The failure exit: save the settings (none with no path), release the surfaces. (The windows close
// after it.) Returns why the settings were not saved, empty when they were.
std::string FailureExit(Game& game, const std::string& settingsPath);

}  // namespace rq
