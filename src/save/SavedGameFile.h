// Saved games as files: written atomically, read with a message that names the file and its fault.
#pragma once

#include <string>

#include "save/SavedGame.h"

namespace rq {

// Why no game can be saved to `path`, or empty (see WriteTargetFault; nor over a recording).
std::string SaveTargetFault(const std::string& path);

// Saves the game to `path`. False, with "cannot save the game to PATH: reason" in `message` and any
// old file of that name intact, when it cannot be written.
bool SaveGameFile(const std::string& path, const Game& game, const SaveExtras& extras, std::string& message);

// Opens the saved game at `path` onto `game` (see ReadSavedGame). False, with
// "PATH is not a Railquest saved game: fault" in `message` and the game unchanged, when it is none.
bool OpenGameFile(const std::string& path, Game& game, SaveExtras& extras, std::string& message);

// The two halves of OpenGameFile, for a file read once and opened later: its text (false with the
// message when it cannot be read), and that text opened onto `game`.
bool ReadGameFile(const std::string& path, std::string& text, std::string& message);
bool OpenGameText(const std::string& path, const std::string& text, Game& game, SaveExtras& extras,
                  std::string& message);

}  // namespace rq
