// Reading and writing railquest.ini with the rules of the Windows profile functions.
#include "shell/Settings.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace rq {

namespace {

// A settings file larger than this is not ours: read it as empty, and rewrite it when saving.
constexpr std::uintmax_t kMaxSettingsBytes = 64 * 1024;

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

// The text of a settings file; empty when there is none or it is too large to be ours.
std::string ReadText(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxSettingsBytes) {
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
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
    return ProfileStringIn(ReadText(path), section, key, fallback);
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
                        const std::string& value) {
    const std::string text = WithProfileString(ReadText(path), section, key, value);
    std::error_code ec;
    const std::filesystem::path file(path);
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path(), ec);
    }
    // Write beside the file and rename, so a crash never leaves half a settings file.
    const std::string temp = path + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) {
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

bool ReadJoystickSetting(const std::string& path) {
    return GetProfileString(path, "Railquest", "JoyStick", "") == "Y";
}

bool SaveSettings(bool joystickMode, const std::string& path) {
    return WriteProfileString(path, "Railquest", "JoyStick", joystickMode ? "Y" : "N");
}

}  // namespace rq
