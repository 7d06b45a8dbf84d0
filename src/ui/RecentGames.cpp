// The list of recent saved games in the settings file.
#include "ui/RecentGames.h"

#include <algorithm>
#include <filesystem>

#include "shell/Settings.h"

namespace rq {

namespace {

std::string Key(std::size_t i) {
    return "File" + std::to_string(i + 1);
}

// Every name kept, whether its file exists or not.
std::vector<std::string> KeptNames(const std::string& settingsPath) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < kRecentGames; ++i) {
        std::string name = GetProfileString(settingsPath, "Recent", Key(i), "");
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

bool Keep(const std::string& settingsPath, const std::vector<std::string>& names, std::string* whyNot) {
    for (std::size_t i = 0; i < kRecentGames; ++i) {
        if (!WriteProfileString(settingsPath, "Recent", Key(i), i < names.size() ? names[i] : "", whyNot)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::vector<std::string> RecentGames(const std::string& settingsPath) {
    std::vector<std::string> names = KeptNames(settingsPath);
    std::erase_if(names, [](const std::string& name) {
        std::error_code ec;
        return !std::filesystem::is_regular_file(name, ec);
    });
    return names;
}

bool NoteRecentGame(const std::string& settingsPath, const std::string& path, std::string* whyNot) {
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    const std::string name = ec ? path : full.lexically_normal().string();
    std::vector<std::string> names = KeptNames(settingsPath);
    std::erase(names, name);
    names.insert(names.begin(), name);
    names.resize(std::min(names.size(), kRecentGames));
    return Keep(settingsPath, names, whyNot);
}

bool ClearRecentGames(const std::string& settingsPath, std::string* whyNot) {
    return Keep(settingsPath, {}, whyNot);
}

}  // namespace rq
