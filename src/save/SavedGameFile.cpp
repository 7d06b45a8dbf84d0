// Saved games as files.
#include "save/SavedGameFile.h"

#include <fstream>

#include "base/QuotedText.h"
#include "save/AtomicFile.h"

namespace rq {

namespace {

// A full game's save is a few hundred kilobytes; anything much larger is no save of ours.
constexpr std::size_t kLargestSave = 16 * 1024 * 1024;

}  // namespace

std::string SaveTargetFault(const std::string& path) {
    if (std::string fault = WriteTargetFault(path); !fault.empty()) {
        return fault;
    }
    // A recording is the player's own, and not a game to save over.
    // (A regular file or none, as WriteTargetFault found: reading its first bytes does not block.)
    const std::string mark = "railquest-replay";
    std::string head(mark.size(), '\0');
    std::ifstream in(path, std::ios::binary);
    if (in.read(head.data(), static_cast<std::streamsize>(head.size())) && head == mark) {
        return "it holds a recording, which a saved game does not replace";
    }
    return {};
}

bool SaveGameFile(const std::string& path, const Game& game, const SaveExtras& extras, std::string& message) {
    std::string error = SaveTargetFault(path);
    if (error.empty() && WriteFileAtomically(path, SavedGameText(game, extras), error)) {
        return true;
    }
    message = "cannot save the game to " + FileNameText(path) + ": " + error;
    return false;
}

bool OpenGameFile(const std::string& path, Game& game, SaveExtras& extras, std::string& message) {
    std::string text;
    return ReadGameFile(path, text, message) && OpenGameText(path, text, game, extras, message);
}

bool ReadGameFile(const std::string& path, std::string& text, std::string& message) {
    std::string fault;
    if (ReadWholeFile(path, kLargestSave, text, fault)) {
        return true;
    }
    message = FileNameText(path) + " is not a Railquest saved game: it cannot be read (" + fault + ")";
    return false;
}

bool OpenGameText(const std::string& path, const std::string& text, Game& game, SaveExtras& extras,
                  std::string& message) {
    std::string fault;
    if (ReadSavedGame(text, game, extras, fault)) {
        return true;
    }
    message = FileNameText(path) + " is not a Railquest saved game: " + fault;
    return false;
}

}  // namespace rq
