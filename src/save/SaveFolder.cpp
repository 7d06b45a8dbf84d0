// The user's data folder for saved games.
#include "save/SaveFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "save/SavedGame.h"

namespace rq {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

std::string UserSaveFolder() {
    namespace fs = std::filesystem;
    const std::string data = Environment("XDG_DATA_HOME");
    if (!data.empty() && fs::path(data).is_absolute()) {
        return (fs::path(data) / "railquest").string();
    }
    const std::string home = Environment("HOME");
    if (home.empty()) {
        return {};
    }
    return (fs::path(home) / ".local" / "share" / "railquest").string();
}

std::string AutosavePath() {
    const std::string folder = UserSaveFolder();
    return folder.empty() ? std::string() : (std::filesystem::path(folder) / "autosave").string() + kSaveExtension;
}

bool MakeSaveFolder(const std::string& folder, std::string& error) {
    if (folder.empty()) {
        error = "neither XDG_DATA_HOME nor HOME names a folder";
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        error = "cannot make the folder " + folder + ": " + ec.message();
        return false;
    }
    return true;
}

}  // namespace rq
