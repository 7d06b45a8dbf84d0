// The committed pictures and frame file: they load, their masks and sheets agree, and every frame
// has the size the street scene needs (the real files in a whole game: StartupTest).
#include <gtest/gtest.h>

#include <cstdlib>

#include "sprite/BmpPictureLoader.h"
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

// (The loaders refuse sheets of different sizes and frame files without frames 0 to 28.)
TEST_F(Assets, TheMaskIsBlackOrWhiteTheSheetBlackWhereItIsWhiteAndEveryFrameDrawsSomething) {
    for (std::size_t i = 0; i < e->Mask.Pixels.size(); ++i) {
        const std::uint32_t m = e->Mask.Pixels[i];
        ASSERT_TRUE(m == 0 || m == 0x00FFFFFFu) << "pixel " << i;
        if (m != 0) {
            ASSERT_EQ(e->Sheet.Pixels[i], 0u) << "pixel " << i;
        }
    }
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

TEST_F(Assets, TrainsAreOfTheirSizeAndFitUnderTheSkyBand) {
    EXPECT_TRUE(F(20).Width != F(21).Width || !SamePixels(20, 21)) << "the express looks different";
    for (int f : {20, 21}) {
        EXPECT_GE(F(f).Width, 200) << f;
        EXPECT_LE(F(f).Width, 290) << f;
        EXPECT_LT(F(f).Height, 184 - F(26).Height) << f;
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

}  // namespace
}  // namespace rq
