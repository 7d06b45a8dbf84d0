// What the saved-game tests share: the game's files, a started game and its saved text.
#pragma once

#include <cstdlib>
#include <string>

#include "headless/HeadlessGame.h"
#include "save/HeadlessSave.h"

namespace rq {

inline std::string AssetDir() {
    const char* dir = std::getenv("RAILQUEST_ASSETS");
    return std::string(dir != nullptr ? dir : "assets") + "/";
}

// The text a save of this game would write (with the loop's and the window's part).
inline std::string SaveText(HeadlessGame& game) {
    return SavedGameText(game.session().game(), ExtrasOf(game));
}

}  // namespace rq
