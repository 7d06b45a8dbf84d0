// The settings file railquest.ini: section "Railquest", key "JoyStick" ("Y" joystick, else keyboard).
#pragma once

#include <string>

namespace rq {

// Reads a key of an INI file the way the Windows profile functions do: the value after '=', with
// surrounding blanks and one pair of enclosing quotes removed; `fallback` when the file, the section
// or the key is missing.
std::string GetProfileString(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& fallback);

// The same on the text of an INI file.
std::string ProfileStringIn(const std::string& text, const std::string& section, const std::string& key,
                            const std::string& fallback);

// The text of an INI file with the key set, every other line kept (each line then ends in "\n").
std::string WithProfileString(const std::string& text, const std::string& section, const std::string& key,
                              const std::string& value);

// Sets a key of an INI file, keeping every other line; creates the file, section or key when missing.
// The file is replaced at once (a new file renamed over it) with its permissions; through a symbolic
// link the file it names is replaced. A file that cannot be read whole (unreadable, a folder, over
// 16 MiB) or is read-only is left as it is. Returns false, with why in `whyNot`, when the file is not
// written.
bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value, std::string* whyNot = nullptr);

// True when the settings file asks for joystick mode: "JoyStick" is exactly "Y" (case-sensitive).
bool ReadJoystickSetting(const std::string& path);

// Writes the current control mode: "N" in keyboard mode, "Y" in joystick mode.
bool SaveSettings(bool joystickMode, const std::string& path, std::string* whyNot = nullptr);

}  // namespace rq
