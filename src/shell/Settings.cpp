// Reading and writing railquest.ini with the rules of the Windows profile functions.
#include "shell/Settings.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "base/FileBytes.h"

namespace rq {

namespace {

// A settings file larger than this is not the game's: it reads as empty and is never rewritten.
constexpr std::uintmax_t kMaxSettingsBytes = 16u << 20;

std::string Trim(const std::string& text) {
    const auto isBlank = [](unsigned char ch) { return std::isspace(ch) != 0; };
    auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

bool SameName(const std::string& a, const std::string& b) {
    // Section and key names compare without regard to case, as the profile functions do.
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The lines of a settings file's text, each without its line end: "\n" and every carriage return
// before it, which reads as a blank anyway, so a saved file reads as it was written.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

// The whole text of the settings file at `path` (empty when there is none), or false with why it
// cannot be read: a folder, no permission to read it, too large, a read error.
bool ReadText(const std::string& path, std::string& text, std::string& error) {
    namespace fs = std::filesystem;
    text.clear();
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) {
        return true;
    }
    // The player's permissions are the player's wish, also when the game runs with the power to ignore them.
    if (fs::is_regular_file(status) && (status.permissions() & fs::perms::owner_read) == fs::perms::none) {
        error = "Not readable: " + path;
        return false;
    }
    return ReadFileBytes(path, kMaxSettingsBytes, text, error);
}

std::string ReadTextOrNothing(const std::string& path) {
    std::string text;
    std::string error;
    return ReadText(path, text, error) ? text : std::string();
}

// A value in a matching pair of double or single quotes reads without them, as the profile functions
// read it: JoyStick="Y" is Y.
std::string Unquoted(const std::string& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// "[name]" → name; anything else → empty.
std::string SectionName(const std::string& line) {
    const std::string t = Trim(line);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
        return Trim(t.substr(1, t.size() - 2));
    }
    return {};
}

bool KeyOfLine(const std::string& line, std::string& key, std::string& value) {
    const auto eq = line.find('=');
    if (eq == std::string::npos) {
        return false;
    }
    key = Trim(line.substr(0, eq));
    value = Trim(line.substr(eq + 1));
    return !key.empty();
}

}  // namespace

std::string ProfileStringIn(const std::string& text, const std::string& section, const std::string& key,
                            const std::string& fallback) {
    bool inSection = false;
    for (const std::string& line : Lines(text)) {
        const std::string name = SectionName(line);
        if (!name.empty()) {
            inSection = SameName(name, section);
            continue;
        }
        std::string k;
        std::string v;
        if (inSection && KeyOfLine(line, k, v) && SameName(k, key)) {
            return Unquoted(v);
        }
    }
    return fallback;
}

std::string GetProfileString(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& fallback) {
    return ProfileStringIn(ReadTextOrNothing(path), section, key, fallback);
}

std::string WithProfileString(const std::string& text, const std::string& section, const std::string& key,
                              const std::string& value) {
    std::vector<std::string> lines = Lines(text);
    const std::string entry = key + "=" + value;
    bool inSection = false;
    bool done = false;
    std::size_t sectionEnd = lines.size();  // where a missing key goes: after the section's last line
    bool sectionFound = false;
    for (std::size_t i = 0; i < lines.size() && !done; ++i) {
        const std::string name = SectionName(lines[i]);
        if (!name.empty()) {
            if (inSection) {
                sectionEnd = i;
                break;
            }
            inSection = SameName(name, section);
            sectionFound = sectionFound || inSection;
            continue;
        }
        std::string k;
        std::string v;
        if (inSection && KeyOfLine(lines[i], k, v) && SameName(k, key)) {
            lines[i] = entry;
            done = true;
        }
    }
    if (!done) {
        if (sectionFound) {
            // Keep blank lines that close the section after the new key.
            while (sectionEnd > 0 && Trim(lines[sectionEnd - 1]).empty()) {
                --sectionEnd;
            }
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(sectionEnd), entry);
        } else {
            lines.push_back("[" + section + "]");
            lines.push_back(entry);
        }
    }
    std::string result;
    for (const std::string& line : lines) {
        result += line;
        result += '\n';
    }
    return result;
}

bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value, std::string* whyNot) {
    namespace fs = std::filesystem;
    std::string error;
    auto fail = [&](const std::string& why) {
        if (whyNot != nullptr) {
            *whyNot = why;
        }
        return false;
    };
    // A line break would start a line of its own: a key of the value's choosing, or a section.
    if (value.find_first_of("\r\n") != std::string::npos) {
        return fail("the value for " + key + " holds a line break");
    }
    // Through a symbolic link the file it names is rewritten, and the link stays.
    std::error_code ec;
    fs::path file = path;
    for (int hops = 0; fs::is_symlink(fs::symlink_status(file, ec)); ++hops) {
        const fs::path target = fs::read_symlink(file, ec);
        if (ec || hops == 40) {
            return fail("Cannot follow the link " + path);
        }
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    std::string text;
    // A file that cannot be read whole is never rewritten: what it holds would be lost.
    if (!ReadText(file.string(), text, error)) {
        return fail(error);
    }
    const fs::file_status status = fs::status(file, ec);
    if (fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none) {
        return fail("Read-only: " + file.string());
    }
    text = WithProfileString(text, section, key, value);
    if (file.has_parent_path()) {
        fs::create_directories(file.parent_path(), ec);
    }
    // Write beside the file and rename, so a crash never leaves half a settings file.
    const fs::path temp = file.string() + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) {
            fs::remove(temp, ec);
            return fail("Cannot write " + temp.string());
        }
    }
    if (fs::exists(status)) {
        fs::permissions(temp, status.permissions(), ec);  // the file keeps who may read it
    }
    fs::rename(temp, file, ec);
    if (ec) {
        fs::remove(temp, ec);
        return fail("Cannot write " + file.string());
    }
    return true;
}

bool ReadJoystickSetting(const std::string& path) {
    return GetProfileString(path, "Railquest", "JoyStick", "") == "Y";
}

bool SaveSettings(bool joystickMode, const std::string& path, std::string* whyNot) {
    return WriteProfileString(path, "Railquest", "JoyStick", joystickMode ? "Y" : "N", whyNot);
}

}  // namespace rq
