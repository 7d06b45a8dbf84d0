// The game's start-up steps that need no window: the seed and the player's crystals, the back buffer,
// the pictures and the frame file, then the world, the sprite slots and the track strip.
#pragma once

#include <string>

#include "base/MessagePort.h"
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

// The failure exit: save the settings (none with no path), release the surfaces. (The windows close
// after it.) Returns why the settings were not saved, empty when they were.
std::string FailureExit(Game& game, const std::string& settingsPath);

}  // namespace rq
