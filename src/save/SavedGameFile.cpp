// Saved games as files.
#include "save/SavedGameFile.h"

#include "save/AtomicFile.h"

namespace rq {

namespace {

// A full game's save is a few hundred kilobytes; anything much larger is no save of ours.
constexpr std::size_t kLargestSave = 16 * 1024 * 1024;

}  // namespace

bool SaveGameFile(const std::string& path, const Game& game, const SaveExtras& extras, std::string& message) {
    std::string error;
    if (!WriteFileAtomically(path, SavedGameText(game, extras), error)) {
        message = "cannot save the game to " + path + ": " + error;
        return false;
    }
    return true;
}

bool OpenGameFile(const std::string& path, Game& game, SaveExtras& extras, std::string& message) {
    std::string text;
    std::string fault;
    if (!ReadWholeFile(path, kLargestSave, text, fault)) {
        fault = "it cannot be read (" + fault + ")";
    } else if (ReadSavedGame(text, game, extras, fault)) {
        return true;
    }
    message = path + " is not a Railquest saved game: " + fault;
    return false;
}

}  // namespace rq
