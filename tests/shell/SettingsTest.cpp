// The settings file: the control mode read and written, other content kept, bad files survived.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "shell/Settings.h"
#include "support/ScratchDir.h"

namespace rq {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    void Write(const std::string& text) const { std::ofstream(path, std::ios::binary) << text; }
    std::string Read() const {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    test::ScratchDir scratch{"railquest-settings"};
    std::filesystem::path dir = scratch.path();
    std::string path = (dir / "railquest.ini").string();
};

TEST_F(SettingsTest, OnlyAnUpperCaseYAsksForTheJoystickWhateverTheNamesCase) {
    EXPECT_FALSE(ReadJoystickSetting(path));  // no file: keyboard mode
    const std::pair<const char*, bool> cases[] = {
        {"[Railquest]\nJoyStick=Y\n", true},
        {"[Railquest]\nJoyStick=\"Y\"\n", true},  // quotes are not part of the value
        {"[Railquest]\nJoyStick='Y'\n", true},
        {"[Railquest]\nJoyStick=y\n", false},
        {"[Railquest]\nJoyStick=\"y\"\n", false},
        {"[Railquest]\nJoyStick=\"Y\n", false},  // an unclosed quote stays
        {"[Railquest]\nJoyStick=\"Y'\n", false},
        {"[Railquest]\nJoyStick=\"\"Y\"\"\n", false},  // only one pair comes off
        {"[Railquest]\nJoyStick=N\n", false},
        {"[Railquest]\nJoyStick=Yes\n", false},
        {"[Other]\nJoyStick=Y\n", false},
        {"; comment\r\n[railquest]\r\n  joystick =  Y  \r\n", true},  // names ignore case, blanks around
    };
    for (const auto& [text, joystick] : cases) {
        Write(text);
        EXPECT_EQ(ReadJoystickSetting(path), joystick) << text;
    }
}

TEST_F(SettingsTest, SavingWritesTheModeCreatingTheFolderAndKeepingOtherSectionsAndKeys) {
    ASSERT_TRUE(SaveSettings(true, path));
    EXPECT_EQ(Read(), "[Railquest]\nJoyStick=Y\n");
    EXPECT_TRUE(ReadJoystickSetting(path));
    ASSERT_TRUE(SaveSettings(false, path));
    EXPECT_EQ(Read(), "[Railquest]\nJoyStick=N\n");
    EXPECT_FALSE(ReadJoystickSetting(path));
    const std::string nested = (dir / "a" / "b" / "railquest.ini").string();
    ASSERT_TRUE(SaveSettings(true, nested));
    EXPECT_TRUE(ReadJoystickSetting(nested));
    // Saving keeps other sections and keys.
    Write("[Window]\nX=10\n\n[Railquest]\nVolume=3\nJoyStick=Y\n\n[Last]\nA=1\n");
    ASSERT_TRUE(SaveSettings(false, path));
    EXPECT_EQ(Read(), "[Window]\nX=10\n\n[Railquest]\nVolume=3\nJoyStick=N\n\n[Last]\nA=1\n");
    Write("[Window]\nX=10\n\n[Railquest]\nVolume=3\n\n[Last]\nA=1\n");
    ASSERT_TRUE(SaveSettings(false, path));
    EXPECT_EQ(Read(), "[Window]\nX=10\n\n[Railquest]\nVolume=3\nJoyStick=N\n\n[Last]\nA=1\n");
    EXPECT_EQ(GetProfileString(path, "Window", "X", ""), "10");
}

TEST_F(SettingsTest, SavingTwiceWritesWhatTheFirstSaveWrote) {
    const char* const files[] = {
        "[Railquest]\r\nJoyStick=Y\r\n",
        "[Other]\r\r\nA=1\r\r\n[Railquest]\r\r\n",  // carriage returns pile up before a line feed
        "[Railquest]\nJoyStick=N",
    };
    for (const char* text : files) {
        Write(text);
        ASSERT_TRUE(SaveSettings(true, path));
        const std::string once = Read();
        ASSERT_TRUE(SaveSettings(true, path));
        EXPECT_EQ(Read(), once) << text;
        EXPECT_TRUE(ReadJoystickSetting(path)) << text;
    }
}

// A garbage file reads as keyboard mode and is mended by saving; a folder where the file should be
// cannot be replaced by a file, and saving says so.
TEST_F(SettingsTest, BadFilesReadAsKeyboardModeAndAreMendedBySaving) {
    std::string junk(3000, '\0');
    for (std::size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>((i * 37) % 256);
    Write(junk);
    EXPECT_FALSE(ReadJoystickSetting(path));
    ASSERT_TRUE(SaveSettings(true, path));
    EXPECT_TRUE(ReadJoystickSetting(path));
    std::filesystem::create_directories(dir / "blocked");
    std::string whyNot;
    EXPECT_FALSE(SaveSettings(false, (dir / "blocked").string(), &whyNot));
    EXPECT_NE(whyNot.find("a folder"), std::string::npos) << whyNot;
}

// What the player keeps in the file is never lost: a large file is read whole and kept; one that
// cannot be read whole or is read-only is left as it is; through a link the file it names is
// rewritten with its permissions, and the link stays.
// A value is one line: a name with a line break (a saved game's, for the recent list) would add a line
// of its own choosing, so it is refused and the file stays as it was.
TEST_F(SettingsTest, AValueWithALineBreakIsRefusedAndTheFileKept) {
    Write("[Railquest]\nJoyStick=Y\n");
    for (const char* value : {"a\nJoyStick=N", "a\r[Railquest]"}) {
        std::string whyNot;
        EXPECT_FALSE(WriteProfileString(path, "Recent", "File1", value, &whyNot));
        EXPECT_NE(whyNot.find("line break"), std::string::npos) << whyNot;
        EXPECT_EQ(Read(), "[Railquest]\nJoyStick=Y\n");
    }
}

TEST_F(SettingsTest, WhatTheFileHoldsIsNeverLost) {
    namespace fs = std::filesystem;
    const std::string kept = "[Railquest]\nJoyStick=Y\n[Notes]\n";
    const std::string large = kept + std::string(100000, 'n') + "\n";  // over 64 KiB
    const struct {
        const char* name;
        std::string text;
        fs::perms perms;
        std::uintmax_t size;  // grown to this (with zero bytes), when not 0
        bool joystick, saved;
        std::string whyNot;
    } cases[] = {
        {"large", large, fs::perms::owner_read | fs::perms::owner_write, 0, true, true, ""},
        {"unreadable", kept, fs::perms::owner_write, 0, false, false, "Not readable: "},
        {"read-only", kept, fs::perms::owner_read | fs::perms::group_read, 0, true, false, "Read-only: "},
        {"absurd", kept, fs::perms::owner_read | fs::perms::owner_write, (16u << 20) + 1, false, false,
         "File too large: "},
    };
    for (const auto& c : cases) {
        fs::remove(path);
        Write(c.text);
        if (c.size != 0) fs::resize_file(path, c.size);
        fs::permissions(path, c.perms);
        const std::uintmax_t before = fs::file_size(path);
        EXPECT_EQ(ReadJoystickSetting(path), c.joystick) << c.name;
        std::string whyNot;
        EXPECT_EQ(SaveSettings(false, path, &whyNot), c.saved) << c.name;
        EXPECT_EQ(whyNot.substr(0, c.whyNot.size()), c.whyNot) << c.name << ": " << whyNot;
        fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
        if (c.saved) {
            EXPECT_EQ(Read(), "[Railquest]\nJoyStick=N" + c.text.substr(22)) << c.name;
        } else {
            EXPECT_EQ(fs::file_size(path), before) << c.name;
            EXPECT_EQ(Read().substr(0, kept.size()), kept) << c.name;
        }
    }
    // Through a link: the linked file is rewritten and keeps its permissions; the link stays a link.
    fs::remove(path);
    fs::create_directories(dir / "real");
    std::ofstream(dir / "real" / "settings.ini") << kept;
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(dir / "real" / "settings.ini", perms);
    fs::create_symlink(fs::path("real") / "settings.ini", path);
    ASSERT_TRUE(SaveSettings(false, path));
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(Read(), "[Railquest]\nJoyStick=N\n[Notes]\n");
    EXPECT_EQ(fs::status(dir / "real" / "settings.ini").permissions(), perms);
}

}  // namespace
}  // namespace rq
