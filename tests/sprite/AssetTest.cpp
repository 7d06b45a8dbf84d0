// The committed pictures and frame file: they load, their masks and sheets agree, and every frame
// has the size and place the street scene needs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "scene/SceneRects.h"
#include "sprite/BmpPictureLoader.h"
#include "sprite/CreateSprites.h"
#include "sprite/SpriteLoad.h"
#include "sprite/SpriteTestSupport.h"

namespace rq {
namespace {

using test::RecordingMessages;

std::string AssetsDir() {
    const char* dir = std::getenv("RAILQUEST_ASSETS");
    return dir != nullptr ? dir : "assets";
}

// The engine loaded from the committed files as start-up loads it.
class Assets : public ::testing::Test {
protected:
    void SetUp() override {
        e = std::make_unique<SpriteEngine>();
        ASSERT_TRUE(iSprCreateBackBuffer(*e, kBackBufferWidth, kBackBufferHeight));
        ASSERT_TRUE(iSprLoadSheet(*e, AssetsDir(), "railquest.bmp", loader, messages));
        ASSERT_TRUE(iSprLoadMask(*e, AssetsDir(), "masks.bmp", loader, messages));
        ASSERT_TRUE(iSprLoadBMP(e->Track, AssetsDir(), "tracks.bmp", PictureBounds{1, 1, 640, 10}, loader, messages));
        ASSERT_TRUE(iSprLoadGfx(*e, AssetsDir(), "railquest.dat", messages));
        ASSERT_TRUE(messages.Shown.empty()) << messages.Shown.front();
    }
    SpriteFrame F(int f) const { return e->gFrames.at(static_cast<std::size_t>(f)); }
    // Pixels of frame f that the sprite covers (mask black).
    int Covered(int f) const {
        const SpriteFrame fr = F(f);
        int n = 0;
        for (int y = fr.SrcY; y < fr.SrcY + fr.Height; ++y) {
            for (int x = fr.SrcX; x < fr.SrcX + fr.Width; ++x) {
                n += e->Mask.At(x, y) == 0 ? 1 : 0;
            }
        }
        return n;
    }
    bool SamePixels(int a, int b) const {
        const SpriteFrame p = F(a);
        const SpriteFrame q = F(b);
        for (int y = 0; y < p.Height; ++y) {
            for (int x = 0; x < p.Width; ++x) {
                if (e->Sheet.At(p.SrcX + x, p.SrcY + y) != e->Sheet.At(q.SrcX + x, q.SrcY + y) ||
                    e->Mask.At(p.SrcX + x, p.SrcY + y) != e->Mask.At(q.SrcX + x, q.SrcY + y)) {
                    return false;
                }
            }
        }
        return true;
    }
    std::unique_ptr<SpriteEngine> e;
    BmpPictureLoader loader;
    RecordingMessages messages;
};

TEST_F(Assets, TheMaskIsBlackOrWhiteAndTheSheetIsBlackWhereTheMaskIsWhite) {
    ASSERT_EQ(e->Sheet.Width, e->Mask.Width);
    ASSERT_EQ(e->Sheet.Height, e->Mask.Height);
    for (std::size_t i = 0; i < e->Mask.Pixels.size(); ++i) {
        const std::uint32_t m = e->Mask.Pixels[i];
        ASSERT_TRUE(m == 0 || m == 0x00FFFFFFu) << "pixel " << i;
        if (m != 0) {
            ASSERT_EQ(e->Sheet.Pixels[i], 0u) << "pixel " << i;
        }
    }
}

TEST_F(Assets, EveryFrameTheGameUsesIsThereAndDrawsSomething) {
    ASSERT_GE(e->gFrames.size(), 30u);
    for (int f = 0; f <= 28; ++f) {
        EXPECT_GT(Covered(f), 0) << "frame " << f;
    }
}

TEST_F(Assets, TheThreeLooksShareOneActorSizeAndEveryFrameDiffers) {
    const SpriteFrame first = F(0);
    EXPECT_GE(first.Width, 20);
    EXPECT_LE(first.Width, 28);
    EXPECT_GE(first.Height, 28);
    EXPECT_LE(first.Height, 36);
    for (int f = 0; f < 12; ++f) {
        EXPECT_EQ(F(f).Width, first.Width) << f;
        EXPECT_EQ(F(f).Height, first.Height) << f;
    }
    for (int look = 0; look < 3; ++look) {
        EXPECT_FALSE(SamePixels(look * 4, look * 4 + 1)) << "look " << look << " walks";
        EXPECT_FALSE(SamePixels(look * 4, look * 4 + 2)) << "look " << look << " steps with both legs";
    }
    EXPECT_FALSE(SamePixels(0, 8)) << "the player is not a citizen";
    EXPECT_FALSE(SamePixels(4, 8)) << "a fuzzy is not a citizen";
}

TEST_F(Assets, CrystalsGrowToTheirFullSize) {
    for (int f = 12; f <= 17; ++f) {
        EXPECT_EQ(F(f).Width, F(12).Width);
        EXPECT_EQ(F(f).Height, F(12).Height);
    }
    EXPECT_GE(F(17).Width, 10);
    EXPECT_LE(F(17).Width, 14);
    for (int f = 12; f < 17; ++f) {
        EXPECT_LE(Covered(f), Covered(17)) << f;
    }
    EXPECT_LT(Covered(12) * 4, Covered(17)) << "the first frame is a small sparkle";
}

TEST_F(Assets, TrainsAreOfTheirSizeAndStopAtThePlatform) {
    EXPECT_TRUE(F(20).Width != F(21).Width || !SamePixels(20, 21)) << "the express looks different";
    for (int f : {20, 21}) {
        EXPECT_GE(F(f).Width, 200) << f;
        EXPECT_LE(F(f).Width, 290) << f;
        EXPECT_LT(F(f).Height, 184 - F(26).Height) << "the train fits under the sky band";
        // The arrival: from x 1280 at speed 30, moving first and braking by 1 a tick, the stop
        // rule must fire before the speed runs out.
        int x = 1280;
        int vx = -30;
        bool stopped = false;
        for (int tick = 0; tick < 100 && vx != 0 && !stopped; ++tick) {
            x += vx;
            const double centre = x + F(f).Width / 2.0;
            if (std::abs(vx / 2.0) < std::abs(centre - 960)) {
                vx += centre > 960 ? 1 : (centre < 960 ? -1 : 0);
            } else {
                stopped = true;
                EXPECT_LT(vx, 0) << "it leaves again at this speed";
            }
        }
        EXPECT_TRUE(stopped) << "frame " << f;
    }
}

TEST_F(Assets, SkylineLayersSpanTheStationViewAndLeaveTheSkyOpen) {
    for (int f = 26; f <= 28; ++f) {
        EXPECT_EQ(F(f).Width, 640) << f;
        EXPECT_EQ(F(f).Height, F(26).Height) << f;
        // The top row of each layer lets the sky through somewhere.
        int open = 0;
        for (int x = 0; x < 640; ++x) {
            open += e->Mask.At(F(f).SrcX + x, F(f).SrcY) != 0 ? 1 : 0;
        }
        EXPECT_GT(open, 100) << f;
    }
    EXPECT_LT(F(26).Height, 150) << "well under the track at 184";
    EXPECT_GT(F(26).Height, 60);
}

TEST_F(Assets, TheTrackTileIsTenPixelsHigh) {
    EXPECT_EQ(e->Track.Height, 10);
    EXPECT_GE(e->Track.Width, 8);
    EXPECT_LE(e->Track.Width, 640);
}

// Ticket office, capitol and fuzzbomb stand where the city's set-up places them for every size
// class: inside the scene, clear of every wall, with room to walk to their doors.
TEST_F(Assets, BuildingsFitWhereEveryCityPlacesThem) {
    ASSERT_TRUE(CreateSprites(*e));
    const int w18 = F(18).Width;
    const int h19 = F(19).Height;
    for (std::int16_t size = 2; size <= 5; ++size) {
        e->gSceneRects = SceneRectsForSize(size);
        const int officeX = size == 2 ? 1270 - w18 : (size == 3 ? 1270 - w18 : 630 - w18);
        const int officeY = size == 3 ? 764 : 387;
        const int capX = size == 4 || size == 5 ? 10 : 650;
        const int capY = size == 3 ? 1121 - h19 : 744 - h19;
        SprShowAt(*e, kTicketOfficeSlot, static_cast<std::int16_t>(officeX), static_cast<std::int16_t>(officeY));
        SprShowAt(*e, kCapitolSlot, static_cast<std::int16_t>(capX), static_cast<std::int16_t>(capY));
        SprShowAt(*e, kFuzzbombSlot, static_cast<std::int16_t>(960 - F(22).Width / 2),
                  static_cast<std::int16_t>(566 - F(22).Height / 2));
        for (int slot : {kTicketOfficeSlot, kCapitolSlot, kFuzzbombSlot}) {
            const Sprite& s = (*e)[slot];
            EXPECT_GE(s.X, 0);
            EXPECT_LE(s.X + s.Width, 1280);
            EXPECT_GE(s.Y, 0);
            EXPECT_LE(s.Y + s.Height, 1131);
            for (int r = 1; r < static_cast<int>(e->gSceneRects.size()); ++r) {
                EXPECT_FALSE(iSprHitsRect(*e, slot, r)) << "size " << size << " slot " << slot << " wall " << r;
            }
        }
        EXPECT_FALSE(iSprCollide(*e, kTicketOfficeSlot, kCapitolSlot)) << size;
        EXPECT_FALSE(iSprCollide(*e, kTicketOfficeSlot, kFuzzbombSlot)) << size;
        EXPECT_FALSE(iSprCollide(*e, kCapitolSlot, kFuzzbombSlot)) << size;
        // An actor standing just below the office door and just right of the capitol's side
        // door is clear of walls: the player can walk in.
        Sprite& player = (*e)[kPlayerSlot];
        const Sprite& office = (*e)[kTicketOfficeSlot];
        const Sprite& cap = (*e)[kCapitolSlot];
        for (const auto& [px, py] :
             {std::pair{office.X + office.Width / 2 - player.Width / 2, office.Y + office.Height + 2},
              std::pair{cap.X + cap.Width + 2, cap.Y + cap.Height - player.Height - 4}}) {
            SprShowAt(*e, kPlayerSlot, static_cast<std::int16_t>(px), static_cast<std::int16_t>(py));
            for (int r = 1; r < static_cast<int>(e->gSceneRects.size()); ++r) {
                EXPECT_FALSE(iSprHitsRect(*e, kPlayerSlot, r)) << "size " << size << " at " << px << "," << py;
            }
        }
        SprHide(*e, kPlayerSlot);
        player.X = 0;
    }
}

}  // namespace
}  // namespace rq
