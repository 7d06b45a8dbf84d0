// Start-up with the real picture files (and the buildings of each class of city on them), and with
// each file missing or damaged: the loader's message, no half-started game, and the settings saved
// by the failure exit.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scene/EnterCity.h"
#include "shell/Settings.h"
#include "shell/Startup.h"
#include "sprite/BmpPictureLoader.h"
#include "support/BmpBytes.h"
#include "support/FakeFrontend.h"
#include "support/ScratchDir.h"
#include "world/Platform.h"

namespace rq {
namespace {

namespace fs = std::filesystem;

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* assets = std::getenv("RAILQUEST_ASSETS");
        ASSERT_NE(assets, nullptr) << "the test runner sets RAILQUEST_ASSETS";
        for (const char* file : {"railquest.bmp", "masks.bmp", "tracks.bmp", "usa.bmp", "railquest.dat"}) {
            fs::copy_file(fs::path(assets) / file, dir / file, fs::copy_options::overwrite_existing);
        }
        game->shell.AppPath = dir.string() + "/";
    }
    bool Load() { return LoadGameFiles(*game, pictures, fe); }

    test::ScratchDir scratch{"railquest-startup"};
    fs::path dir = scratch.path();
    std::unique_ptr<Game> game = std::make_unique<Game>();
    BmpPictureLoader pictures;
    test::FakeFrontend fe{*game};
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
    // Either train, coming in as the city tick starts it, brakes to a stop at the platform.
    SpriteEngine& spr = game->sprites;
    for (const int t : {kTrainSprite, kMarkedTrainSprite}) {
        SprShowAt(spr, t, 1280, static_cast<std::int16_t>(184 - spr[t].Height));
        spr[t].VX = -30;
        for (int tick = 0; tick < 100 && spr[t].VX != 0; ++tick) TrainAtPlatform(game->world, spr, game->effects);
        EXPECT_EQ(spr[t].VX, 0) << "train " << t;
        EXPECT_LT(game->world.StoppedSpeed, 0) << "it leaves again at the speed it stopped with";
        SprHide(spr, t);
    }
}

// Each file missing (no content), cut short or of the wrong size stops start-up with exactly one
// message, from the loader that failed, naming the file. The pictures' size rules live in start-up;
// the loaders' own refusals are tested with the loaders.
TEST_F(StartupTest, MissingOrDamagedFilesAreRefusedWithTheirLoadersMessage) {
    const std::string gfx = "The following error occurred in iSprLoadGfx():\n";
    const std::string bmp = "The following error occurred in iSprLoadBMP():\n";
    const std::string ends = "(the file ends before its picture does)";
    auto byteShort = [this](const std::string& file) {
        std::vector<std::uint8_t> b = test::FileBytes((dir / file).string());
        if (!b.empty()) b.pop_back();
        return b;
    };
    struct Case {
        std::string file;
        std::optional<std::vector<std::uint8_t>> content;  // none: the file is missing
        std::string heading;                               // empty: the file is fine
        std::string why;
    };
    const Case cases[] = {
        {"railquest.bmp", std::nullopt, gfx, "railquest.bmp"},
        {"masks.bmp", std::nullopt, gfx, "masks.bmp"},
        {"tracks.bmp", std::nullopt, bmp, "tracks.bmp"},
        {"usa.bmp", std::nullopt, bmp, "usa.bmp"},
        {"railquest.dat", std::nullopt, gfx, "railquest.dat"},
        {"railquest.bmp", byteShort("railquest.bmp"), gfx, ends},
        {"usa.bmp", test::Bmp24(488, 366), "", ""},
        {"usa.bmp", test::Bmp24(489, 302), bmp, "usa.bmp is 489 x 302 pixels; it must be"},
        {"usa.bmp", test::Bmp24(476, 367), bmp, "usa.bmp is 476 x 367 pixels"},
        {"usa.bmp", test::Bmp24(458, 302), bmp, "usa.bmp is 458 x 302 pixels"},  // a city off the map
        {"tracks.bmp", test::Bmp24(640, 10), "", ""},
        {"tracks.bmp", test::Bmp24(641, 10), bmp, "tracks.bmp is 641 x 10 pixels"},
        {"tracks.bmp", test::Bmp24(32, 11), bmp, "tracks.bmp is 32 x 11 pixels"},
    };
    for (const Case& c : cases) {
        SetUp();
        if (c.content) {
            std::ofstream(dir / c.file, std::ios::binary | std::ios::trunc)
                .write(reinterpret_cast<const char*>(c.content->data()),
                       static_cast<std::streamsize>(c.content->size()));
        } else {
            fs::remove(dir / c.file);
        }
        game = std::make_unique<Game>();
        fe.Use(*game);
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

// With the real pictures, the ticket office, the capitol and the fuzzbomb stand where each size class
// of city places them: inside the scene, clear of every wall and of each other, and the player can
// stand below the office's door and right of the capitol's side door.
TEST_F(StartupTest, TheBuildingsFitWhereEveryClassOfCityPlacesThem) {
    ASSERT_TRUE(Load());
    BeginGame(*game, 7);
    ASSERT_TRUE(BuildGame(*game));
    World& w = game->world;
    SpriteEngine& spr = game->sprites;
    SceneContext ctx = SceneOf(*game, fe);
    for (std::int16_t size = 2; size <= 5; ++size) {
        std::int16_t city = 1;
        while (w.city(city).Size != size) ++city;
        w.city(city).IsCapital = true;
        w.FuzzbombCity = city;
        EnterCity(ctx, city);
        const int walls = static_cast<int>(spr.gSceneRects.size());
        for (const int slot : {kTicketOfficeSlot, kCapitolSlot, kFuzzbombSlot}) {
            const Sprite& s = spr[slot];
            ASSERT_TRUE(s.Shown) << "size " << size << " slot " << slot;
            EXPECT_TRUE(s.X >= 0 && s.X + s.Width <= 1280 && s.Y >= 0 && s.Y + s.Height <= 1131) << slot;
            for (int r = 1; r < walls; ++r) {
                EXPECT_FALSE(iSprHitsRect(spr, slot, r)) << "size " << size << " wall " << r;
            }
        }
        EXPECT_FALSE(iSprCollide(spr, kTicketOfficeSlot, kCapitolSlot)) << size;
        EXPECT_FALSE(iSprCollide(spr, kTicketOfficeSlot, kFuzzbombSlot)) << size;
        EXPECT_FALSE(iSprCollide(spr, kCapitolSlot, kFuzzbombSlot)) << size;
        Sprite& player = spr[kPlayerSlot];
        const Sprite& office = spr[kTicketOfficeSlot];
        const Sprite& cap = spr[kCapitolSlot];
        player.VX = player.VY = 0;
        for (const auto& [px, py] :
             {std::pair{office.X + office.Width / 2 - player.Width / 2, office.Y + office.Height + 2},
              std::pair{cap.X + cap.Width + 2, cap.Y + cap.Height - player.Height - 4}}) {
            SprShowAt(spr, kPlayerSlot, static_cast<std::int16_t>(px), static_cast<std::int16_t>(py));
            for (int r = 1; r < walls; ++r) EXPECT_FALSE(iSprHitsRect(spr, kPlayerSlot, r)) << size << " at " << px;
        }
        w.city(city).IsCapital = false;
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
