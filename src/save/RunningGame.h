// Saving the running game, and opening a saved game in its place: the same for the window and for a
// game without one, so that both show and play the opened game alike.
#pragma once

#include <string>

#include "game/Frontend.h"
#include "game/Game.h"
#include "save/SavedGame.h"
#include "shell/Session.h"

namespace rq {

// Saves the game as it stands between two steps (see SaveGameFile).
bool SaveRunningGame(const std::string& path, const Game& game, const SaveExtras& extras, std::string& message);

// Opens the saved game at `path` in place of the session's: the session's hand-over (Session::Opened),
// the street composed again and everything the window shows of it. False with "PATH is not a Railquest
// saved game: fault" in `message` when it is none; the running game then goes on unchanged.
bool OpenInPlace(const std::string& path, Session& session, SaveExtras& extras, std::string& message);
// The same with the file's text already read (ReadGameFile).
bool OpenTextInPlace(const std::string& path, const std::string& text, Session& session, SaveExtras& extras,
                     std::string& message);

// Shows the game as it now stands: the status bar, the banner, the street or the journey, the menus
// and the panels. Reads the game, changes nothing in it.
void ShowOpenedGame(const Game& game, Frontend& fe);

}  // namespace rq
