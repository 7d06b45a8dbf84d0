// Loading the frame file and the sheets: good and damaged files and their messages (a missing file's
// message for every file the game loads: StartupTest).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "sprite/SpriteLoad.h"
#include "sprite/SpriteTestSupport.h"
#include "support/ScratchDir.h"

namespace rq {
namespace {

namespace fs = std::filesystem;
using test::FakePictures;
using test::RecordingMessages;

const std::string kGfxHeading = "The following error occurred in iSprLoadGfx():\n";

// A scratch program folder holding one frame file.
class FrameFile : public ::testing::Test {
protected:
    void SetUp() override {
        e = std::make_unique<SpriteEngine>();
        e->Sheet = Surface(100, 50);
        e->Mask = Surface(100, 50);
        e->gFrames = {SpriteFrame{1, 2, 3, 4}};
    }
    bool Load(const std::string& text) {
        std::ofstream(dir / "railquest.dat", std::ios::binary) << text;
        return iSprLoadGfx(*e, dir.string(), "railquest.dat", messages);
    }
    // The frame table is untouched by a refused file.
    void ExpectUnchanged() {
        ASSERT_EQ(e->gFrames.size(), 1u);
        EXPECT_EQ(e->gFrames[0].Width, 3);
    }
    test::ScratchDir scratch{"railquest-sprite"};
    fs::path dir = scratch.path();
    std::unique_ptr<SpriteEngine> e;
    RecordingMessages messages;
};

// The frame file's text: `records` (the first `given` frames), then 1 × 1 frames up to the 29 the
// game needs.
std::string Needed(const std::string& records, int given) {
    std::string text = std::to_string(kFramesNeeded) + "\n" + records + "\n";
    for (int i = given; i < kFramesNeeded; ++i) text += "0,0,1,1\n";
    return text;
}

TEST_F(FrameFile, RecordsBecomeFramesFollowedByOneAllZeroEntry) {
    ASSERT_TRUE(Load(Needed("0,0,20,30\r\n20,0,20,30\r\n40, 5 ,10,10\r", 3)));
    ASSERT_EQ(e->gFrames.size(), 30u);
    EXPECT_EQ(e->gFrames[1].SrcX, 20);
    EXPECT_EQ(e->gFrames[2].SrcX, 40);
    EXPECT_EQ(e->gFrames[2].SrcY, 5);
    EXPECT_EQ(e->gFrames[2].Height, 10);
    EXPECT_EQ(e->gFrames[29].Width, 0);
    EXPECT_EQ(e->gFrames[29].SrcX, 0);
    EXPECT_TRUE(messages.Shown.empty());
}

TEST(FrameFileText, NumbersEndAtCommasLineBreaksOrBlanksAndTheRestIsIgnored) {
    std::vector<SpriteFrame> frames;
    std::string error;
    ASSERT_TRUE(ReadFrameFile("  2 0 0\n20\t30,,0,7.5,12 this is ignored", frames, error)) << error;
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].Width, 20);
    EXPECT_EQ(frames[0].Height, 30);
    EXPECT_EQ(frames[1].SrcX, 0) << "an empty field reads 0";
    EXPECT_EQ(frames[1].SrcY, 0);
    EXPECT_EQ(frames[1].Width, 8) << "7.5 rounds to the even 8";
    EXPECT_EQ(frames[1].Height, 12);
}

TEST(FrameFileText, JunkNumbersAndAbsurdCountsAreRefused) {
    for (const char* junk :
         {"2\n0,0,20,x\n0,0,1,1", "1\n0,0,2O,30", "1\n0;0;20;30", "1\n0,0,20,30e", "1\n0,0,-,30", "1\n0,0,99999,30",
          "70000\n", "1\n0,0,1e3,30", "-1\n0,0,20,30", "-32768\n", "1025\n0,0,20,30", "32767\n"}) {
        std::vector<SpriteFrame> frames;
        std::string error;
        EXPECT_FALSE(ReadFrameFile(junk, frames, error)) << junk;
        EXPECT_FALSE(error.empty()) << junk;
        EXPECT_TRUE(frames.empty()) << junk;
    }
}

// Every refused file leaves the frame table as it was and shows one message, under the loader's
// heading, that says what is wrong. Without frames 0 to 28 some sprite slot would take the all-zero
// closing entry as a 0 × 0 look.
TEST_F(FrameFile, DamagedFilesAreRefusedWithOneMessageSayingWhy) {
    auto frames = [](int n) {
        std::string text = std::to_string(n) + "\n";
        for (int i = 0; i < n; ++i) text += "0,0,1,1\n";
        return text;
    };
    const std::string needs = " frames; the game needs frames 0 to 28";
    const std::pair<std::string, std::string> cases[] = {
        {"29\n0,0,20,30\n20,0,20,30\n", "Input past end of file (frame 2 of 29 is missing)"},
        {"", "Input past end of file"},
        {frames(0), "railquest.dat holds 0" + needs},
        {frames(1), "railquest.dat holds 1" + needs},
        {frames(28), "railquest.dat holds 28" + needs},
        {Needed("81,0,20,30", 1), "lies outside the sprite sheet"},
        {Needed("0,21,20,30", 1), "lies outside the sprite sheet"},
        {Needed("-1,0,20,30", 1), "lies outside the sprite sheet"},
        {Needed("0,-5,20,30", 1), "lies outside the sprite sheet"},
        {Needed("32767,32767,32767,32767", 1), "lies outside the sprite sheet"},
        {Needed("0,0,0,30", 1), "has no width or height"},
        {Needed("0,0,20,-30", 1), "has no width or height"},
    };
    for (const auto& [text, why] : cases) {
        messages.Shown.clear();
        EXPECT_FALSE(Load(text)) << text;
        ExpectUnchanged();
        ASSERT_EQ(messages.Shown.size(), 1u) << text;
        EXPECT_EQ(messages.Shown[0].rfind(kGfxHeading, 0), 0u) << messages.Shown[0];
        EXPECT_NE(messages.Shown[0].find(why), std::string::npos) << messages.Shown[0];
    }
    EXPECT_TRUE(Load(Needed("", 0)));
    EXPECT_TRUE(Load(Needed("80,20,20,30", 1))) << "a frame in the bottom-right corner is on the sheet";
}

TEST_F(FrameFile, FramesNeedTheSheetsLoadedFirst) {
    e->Sheet.Release();
    e->Mask.Release();
    EXPECT_FALSE(Load(Needed("", 0)));
    ExpectUnchanged();
}

TEST(ProgramFile, JoinsTheFolderAndTheName) {
    EXPECT_EQ(ProgramFile("/opt/rq/", "usa.bmp"), "/opt/rq/usa.bmp");
    EXPECT_EQ(ProgramFile("/opt/rq", "usa.bmp"), "/opt/rq/usa.bmp");
    EXPECT_EQ(ProgramFile("C:\\rq\\", "usa.bmp"), "C:\\rq\\usa.bmp");
    EXPECT_EQ(ProgramFile("", "usa.bmp"), "usa.bmp");
}

TEST(SheetLoaders, SheetAndMaskOfDifferentSizesAreRefused) {
    SpriteEngine e;
    FakePictures pictures;
    RecordingMessages messages;
    pictures.Pictures["/g/railquest.bmp"] = Surface(40, 30);
    pictures.Pictures["/g/masks.bmp"] = Surface(40, 31);
    ASSERT_TRUE(iSprLoadSheet(e, "/g", "railquest.bmp", pictures, messages));
    EXPECT_FALSE(iSprLoadMask(e, "/g", "masks.bmp", pictures, messages));
    EXPECT_FALSE(e.Mask.Exists());
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].rfind(kGfxHeading, 0), 0u);
    EXPECT_NE(messages.Shown[0].find("same size"), std::string::npos);

    // The other order: a mask first, then a sheet that does not match it.
    SpriteEngine f;
    ASSERT_TRUE(iSprLoadMask(f, "/g", "masks.bmp", pictures, messages));
    EXPECT_FALSE(iSprLoadSheet(f, "/g", "railquest.bmp", pictures, messages));
    EXPECT_FALSE(f.Sheet.Exists());
}

}  // namespace
}  // namespace rq
