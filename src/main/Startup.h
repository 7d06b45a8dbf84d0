// The game's start-up steps that need no window: the back buffer, the pictures and the frame file,
// then the world and the sprite slots.
#pragma once

#include <string>

#include "base/MessagePort.h"
#include "main/Game.h"
#include "sprite/PictureLoader.h"

namespace rq {

// The back buffer, then railquest.bmp, masks.bmp, tracks.bmp, usa.bmp and railquest.dat from the
// program folder, stopping at the first failure (whose loader has already shown its message).
bool LoadGameFiles(Game& game, PictureLoader& loader, MessagePort& messages);

// The world (seeded), then the sprite slots and the track strip. False when a slot cannot be made.
bool BuildGame(Game& game, std::uint64_t seed);

// The failure exit: save the settings, release the surfaces. (The windows close after it.)
void FailureExit(Game& game, const std::string& settingsPath);

}  // namespace rq
