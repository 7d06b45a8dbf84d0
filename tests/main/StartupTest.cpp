// Start-up with the real picture files, and with each of them missing or damaged: the loader's
// message, no half-started game, and the settings saved by the failure exit.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "main/Settings.h"
#include "main/Startup.h"
#include "sprite/BmpPictureLoader.h"
#include "support/FakeFrontend.h"

namespace rq {
namespace {

namespace fs = std::filesystem;

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* assets = std::getenv("RAILQUEST_ASSETS");
        ASSERT_NE(assets, nullptr) << "the test runner sets RAILQUEST_ASSETS";
        dir = fs::temp_directory_path() /
              ("railquest-startup-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        for (const char* file : {"railquest.bmp", "masks.bmp", "tracks.bmp", "usa.bmp", "railquest.dat"}) {
            fs::copy_file(fs::path(assets) / file, dir / file);
        }
        game->shell.AppPath = dir.string() + "/";
    }
    void TearDown() override { fs::remove_all(dir); }

    bool Load() { return LoadGameFiles(*game, pictures, fe); }
    void Damage(const std::string& file, const std::string& content) const {
        std::ofstream(dir / file, std::ios::binary | std::ios::trunc) << content;
    }

    fs::path dir;
    std::unique_ptr<Game> game = std::make_unique<Game>();
    BmpPictureLoader pictures;
    test::FakeFrontend fe;
};

TEST_F(StartupTest, TheRealFilesLoadAndTheGameIsBuilt) {
    ASSERT_TRUE(Load());
    EXPECT_TRUE(fe.messages.empty());
    EXPECT_TRUE(game->sprites.Back.Exists());
    EXPECT_TRUE(game->sprites.Map.Exists());
    EXPECT_GE(game->sprites.gFrames.size(), 30u);
    ASSERT_TRUE(BuildGame(*game, 7));
    EXPECT_NE(game->world.CurCity, 0);
    EXPECT_NE(game->world.FuzzbombCity, 0);
    for (int slot = 1; slot <= kLastActorSlot; ++slot) EXPECT_TRUE(game->sprites[slot].Created) << slot;
    EXPECT_FALSE(game->sprites[kPlayerSlot].Shown) << "the player arrives with the first train";
}

TEST_F(StartupTest, EachMissingFileStopsStartUpWithItsLoadersMessage) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"railquest.bmp", "The following error occurred in iSprLoadGfx():\n"},
        {"masks.bmp", "The following error occurred in iSprLoadGfx():\n"},
        {"tracks.bmp", "The following error occurred in iSprLoadBMP():\n"},
        {"usa.bmp", "The following error occurred in iSprLoadBMP():\n"},
        {"railquest.dat", "The following error occurred in iSprLoadGfx():\n"},
    };
    for (const auto& [file, heading] : cases) {
        SetUp();
        fs::remove(dir / file);
        game = std::make_unique<Game>();
        game->shell.AppPath = dir.string() + "/";
        fe.messages.clear();
        EXPECT_FALSE(Load()) << file;
        ASSERT_EQ(fe.messages.size(), 1u) << file << ": exactly one message, from the loader that failed";
        EXPECT_EQ(fe.messages[0].rfind(heading, 0), 0u) << fe.messages[0];
        EXPECT_NE(fe.messages[0].find(file), std::string::npos) << "the description names the file";
    }
}

TEST_F(StartupTest, DamagedFilesAreRefusedWithAMessage) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"railquest.bmp", "BM this is no picture"},
        {"masks.bmp", std::string(10, '\0')},
        {"usa.bmp", "BM"},
        {"railquest.dat", "29\n0,0,24,32\n"},          // fewer records than announced
        {"railquest.dat", "3\n0,0,24,32\nx,y,z,w\n"},  // not numbers
        {"railquest.dat", "1\n0,0,99999,32\n"},        // a frame outside the sheet
        {"railquest.dat", "-4\n"},                     // a negative count
    };
    for (const auto& [file, content] : cases) {
        SetUp();
        Damage(file, content);
        game = std::make_unique<Game>();
        game->shell.AppPath = dir.string() + "/";
        fe.messages.clear();
        EXPECT_FALSE(Load()) << file << ": " << content;
        EXPECT_EQ(fe.messages.size(), 1u) << file;
    }
}

TEST_F(StartupTest, TheFailureExitSavesTheSettingsAndReleasesTheSurfaces) {
    fs::remove(dir / "usa.bmp");
    ASSERT_FALSE(Load());
    const std::string settings = (dir / "config" / "railquest.ini").string();
    game->shell.JoystickMode = false;
    FailureExit(*game, settings);
    EXPECT_EQ(GetProfileString(settings, "Railquest", "JoyStick", ""), "N");
    EXPECT_FALSE(game->sprites.Back.Exists());
    EXPECT_FALSE(game->sprites.Sheet.Exists());
}

}  // namespace
}  // namespace rq
