// The settings file: the control mode read and written, other content kept, bad files survived.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "shell/Settings.h"

namespace rq {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("railquest-settings-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        path = (dir / "railquest.ini").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    void Write(const std::string& text) const { std::ofstream(path, std::ios::binary) << text; }
    std::string Read() const {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::filesystem::path dir;
    std::string path;
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

// A garbage or oversized file reads as keyboard mode and is mended by saving (the oversized one is
// replaced); a folder where the file should be cannot be replaced by a file, and saving says so.
TEST_F(SettingsTest, BadFilesReadAsKeyboardModeAndAreMendedBySaving) {
    std::string junk(3000, '\0');
    for (std::size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>((i * 37) % 256);
    for (const std::string& bad : {junk, "[Railquest]\nJoyStick=Y\n" + std::string(200000, 'x')}) {
        Write(bad);
        EXPECT_FALSE(ReadJoystickSetting(path));
        ASSERT_TRUE(SaveSettings(true, path));
        EXPECT_TRUE(ReadJoystickSetting(path));
    }
    EXPECT_EQ(Read(), "[Railquest]\nJoyStick=Y\n") << "the oversized file was replaced";
    std::filesystem::create_directories(dir / "blocked");
    EXPECT_FALSE(SaveSettings(false, (dir / "blocked").string()));
}

}  // namespace
}  // namespace rq
