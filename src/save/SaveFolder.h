// Where the player's saved games live: the user's data folder, and the game kept when the player quits.
#pragma once

#include <string>

namespace rq {

// $XDG_DATA_HOME/railquest, or ~/.local/share/railquest when XDG_DATA_HOME is unset, empty or not an
// absolute path (as the XDG base directories say); empty when neither it nor HOME is known.
std::string UserSaveFolder();

// The game a confirmed quit keeps and --continue opens: autosave.rqsave in UserSaveFolder().
std::string AutosavePath();

// Makes `folder` and its parents when they are missing; false with the reason in `error`.
bool MakeSaveFolder(const std::string& folder, std::string& error);

}  // namespace rq
