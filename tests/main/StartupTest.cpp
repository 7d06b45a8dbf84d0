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
#include "support/BmpBytes.h"
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
    BeginGame(*game, 7);
    ASSERT_TRUE(BuildGame(*game));
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
    const std::string gfx = "The following error occurred in iSprLoadGfx():\n";
    const std::string bmp = "The following error occurred in iSprLoadBMP():\n";
    const std::string ends = "(the file ends before its picture does)";
    auto cut = [this](const std::string& file, std::size_t drop) {
        std::vector<std::uint8_t> b = test::FileBytes((dir / file).string());
        b.resize(b.size() - drop);
        return b;
    };
    auto bytes = [](const std::string& text) { return std::vector<std::uint8_t>(text.begin(), text.end()); };
    std::string frames28 = "28\n";
    for (int i = 0; i < 28; ++i) frames28 += "0,0,24,32\n";
    struct Case {
        std::string file;
        std::vector<std::uint8_t> content;
        std::string heading;  // empty: the file is fine
        std::string why;
    };
    const Case cases[] = {
        {"railquest.bmp", cut("railquest.bmp", 1), gfx, ends},
        {"tracks.bmp", cut("tracks.bmp", 1), bmp, ends},
        {"usa.bmp", cut("usa.bmp", 431310 - 55), bmp, ends},
        {"usa.bmp", test::Bmp24(488, 366), "", ""},
        {"usa.bmp", test::Bmp24(489, 302), bmp, "usa.bmp is 489 x 302 pixels; it must be"},
        {"usa.bmp", test::Bmp24(476, 367), bmp, "usa.bmp is 476 x 367 pixels"},
        {"usa.bmp", test::Bmp24(458, 302), bmp, "usa.bmp is 458 x 302 pixels"},  // a city off the map
        {"tracks.bmp", test::Bmp24(640, 10), "", ""},
        {"tracks.bmp", test::Bmp24(641, 10), bmp, "tracks.bmp is 641 x 10 pixels"},
        {"tracks.bmp", test::Bmp24(32, 11), bmp, "tracks.bmp is 32 x 11 pixels"},
        {"railquest.dat", bytes(frames28), gfx, "railquest.dat holds 28 frames; the game needs frames 0 to 28"},
        {"railquest.dat", bytes("29\n0,0,24,32\n"), gfx, "Input past end of file"},
        {"railquest.dat", bytes("3\n0,0,24,32\nx,y,z,w\n"), gfx, "Type mismatch"},
        {"railquest.dat", bytes("-4\n"), gfx, "Bad frame count"},
    };
    for (const Case& c : cases) {
        SetUp();
        std::ofstream(dir / c.file, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(c.content.data()), static_cast<std::streamsize>(c.content.size()));
        game = std::make_unique<Game>();
        game->shell.AppPath = dir.string() + "/";
        fe.messages.clear();
        EXPECT_EQ(Load(), c.heading.empty()) << c.file << ": " << c.why;
        if (c.heading.empty()) {
            EXPECT_TRUE(fe.messages.empty()) << c.file << ": " << fe.messages.front();
            continue;
        }
        ASSERT_EQ(fe.messages.size(), 1u) << c.file;
        EXPECT_EQ(fe.messages[0].rfind(c.heading, 0), 0u) << fe.messages[0];
        EXPECT_NE(fe.messages[0].find(c.why), std::string::npos) << fe.messages[0];
    }
}

TEST_F(StartupTest, TheFailureExitSavesTheSettingsAndReleasesTheSurfaces) {
    fs::remove(dir / "usa.bmp");
    ASSERT_FALSE(Load());
    const std::string settings = (dir / "config" / "railquest.ini").string();
    game->scene.JoystickMode = false;
    FailureExit(*game, settings);
    EXPECT_EQ(GetProfileString(settings, "Railquest", "JoyStick", ""), "N");
    EXPECT_FALSE(game->sprites.Back.Exists());
    EXPECT_FALSE(game->sprites.Sheet.Exists());
}

}  // namespace
}  // namespace rq
