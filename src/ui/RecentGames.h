// The saved games last opened or saved, newest first, kept in the settings file (section "Recent",
// keys File1..File5) beside the [Railquest] section, whose lines the rewrite keeps.
#pragma once

#include <string>
#include <vector>

namespace rq {

constexpr std::size_t kRecentGames = 5;

// The kept list, files that no longer exist left out.
std::vector<std::string> RecentGames(const std::string& settingsPath);
// `path` goes to the top of the list (once), the oldest beyond five falls off.
bool NoteRecentGame(const std::string& settingsPath, const std::string& path, std::string* whyNot = nullptr);
bool ClearRecentGames(const std::string& settingsPath, std::string* whyNot = nullptr);

}  // namespace rq
