// Saved games in a run without a window: the game with its loop's and window's part, and the
// restless player's memory.
#pragma once

#include <string>

#include "headless/HeadlessGame.h"
#include "headless/RestlessPlayer.h"
#include "save/SavedGame.h"

namespace rq {

// What a save of this game holds besides `Game`; with `player`, its memory too.
SaveExtras ExtrasOf(HeadlessGame& game, const RestlessPlayer* player = nullptr);

// Opens a saved game's file onto a started game; its journey and open panels go to the loop and the
// window. False with the message (the game unchanged) when the file is no saved game.
bool OpenSavedGame(HeadlessGame& game, const std::string& path, SaveExtras& extras, std::string& message);

// The restless player's memory from a save; false when the save has none or a bad one.
bool RecallPlayer(const SaveExtras& extras, RestlessPlayer& player);

}  // namespace rq
