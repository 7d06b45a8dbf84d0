// Saved games in a run without a window: the game with its loop's and window's part, and the
// restless player's memory.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "headless/CommandLine.h"
#include "headless/HeadlessGame.h"
#include "headless/RestlessPlayer.h"
#include "replay/Recording.h"
#include "save/SavedGame.h"

namespace rq {

// What a save of this game holds besides `Game`: with `player`, its memory (all the rest is game state).
SaveExtras ExtrasOf(const HeadlessGame& game, const RestlessPlayer* player = nullptr);

// Opens a saved game's file onto a started game; its journey and open panels go to the loop and the
// window. False with the message (the game unchanged) when the file is no saved game.
bool OpenSavedGame(HeadlessGame& game, const std::string& path, SaveExtras& extras, std::string& message);

// Whether the text read from `path` is a saved game that opens, tried on a game of its own started
// from the files in appPath: 0 when it is; 2 with the message when it is not; 1 when the game's files do
// not load.
int CheckSavedGameText(const std::string& path, const std::string& text, const std::string& appPath,
                       std::string& message);

// The restless player's memory from a save; false when the save has none or a bad one.
bool RecallPlayer(const SaveExtras& extras, RestlessPlayer& player);

// True when the command line opens or saves a game (--open, --save).
bool UsesSavedGame(const CommandLine& line);

// The headless run with saved games: the game opened from --open instead of
// a new one for `seed`, played on by the restless player the save remembers (--restless), by the
// recording's entries after the save's step (--replay) or by nobody, and saved to --save after its last
// step. Returns the exit status: 0; 1 when the game's files do not load or a file cannot be written;
// 2 when the file opened is no saved game (with its message on `err`).
int RunHeadlessSaved(const CommandLine& line, std::uint64_t seed, const std::string& appPath, const Recording* replay,
                     std::ostream& out, std::ostream& err);

}  // namespace rq
