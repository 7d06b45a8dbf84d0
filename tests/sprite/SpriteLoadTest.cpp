// Loading the sheets, plain pictures and the frame file: good files, damaged files, their messages.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "sprite/SpriteLoad.h"
#include "sprite/SpriteTestSupport.h"

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
        dir = fs::temp_directory_path() /
              ("rq_sprite_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        e = std::make_unique<SpriteEngine>();
        e->Sheet = Surface(100, 50);
        e->Mask = Surface(100, 50);
        e->gFrames = {SpriteFrame{1, 2, 3, 4}};
    }
    void TearDown() override { fs::remove_all(dir); }
    bool Load(const std::string& text) {
        std::ofstream(dir / "railquest.dat", std::ios::binary) << text;
        return iSprLoadGfx(*e, dir.string(), "railquest.dat", messages);
    }
    // The frame table is untouched by a refused file.
    void ExpectUnchanged() {
        ASSERT_EQ(e->gFrames.size(), 1u);
        EXPECT_EQ(e->gFrames[0].Width, 3);
    }
    fs::path dir;
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

TEST_F(FrameFile, FewerRecordsThanAnnouncedIsAReadError) {
    EXPECT_FALSE(Load("29\n0,0,20,30\n20,0,20,30\n"));
    ExpectUnchanged();
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].rfind(kGfxHeading, 0), 0u) << messages.Shown[0];
    EXPECT_NE(messages.Shown[0].find("Input past end of file"), std::string::npos);
    EXPECT_NE(messages.Shown[0].find("frame 2 of 29"), std::string::npos);
}

TEST_F(FrameFile, AnEmptyFileIsAReadError) {
    EXPECT_FALSE(Load(""));
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_NE(messages.Shown[0].find("Input past end of file"), std::string::npos);
}

// Without frames 0 to 28 some sprite slot would take the all-zero closing entry as a 0 × 0 look.
TEST_F(FrameFile, FewerFramesThanTheSlotsUseAreRefused) {
    for (int n : {0, 1, 28}) {
        messages.Shown.clear();
        std::string text = std::to_string(n) + "\n";
        for (int i = 0; i < n; ++i) text += "0,0,1,1\n";
        EXPECT_FALSE(Load(text)) << n;
        ExpectUnchanged();
        ASSERT_EQ(messages.Shown.size(), 1u);
        EXPECT_EQ(messages.Shown[0],
                  kGfxHeading + "railquest.dat holds " + std::to_string(n) + " frames; the game needs frames 0 to 28");
    }
    EXPECT_TRUE(Load(Needed("", 0)));
}

TEST_F(FrameFile, FramesOffTheSheetOrWithoutSizeAreRefused) {
    for (const char* record : {"81,0,20,30", "0,21,20,30", "-1,0,20,30", "0,-5,20,30", "0,0,0,30", "0,0,20,-30",
                               "32767,32767,32767,32767"}) {
        messages.Shown.clear();
        EXPECT_FALSE(Load(Needed(record, 1))) << record;
        ExpectUnchanged();
        ASSERT_EQ(messages.Shown.size(), 1u);
        EXPECT_EQ(messages.Shown[0].rfind(kGfxHeading, 0), 0u);
    }
    EXPECT_TRUE(Load(Needed("80,20,20,30", 1))) << "a frame in the bottom-right corner is on the sheet";
}

TEST_F(FrameFile, FramesNeedTheSheetsLoadedFirst) {
    e->Sheet.Release();
    e->Mask.Release();
    EXPECT_FALSE(Load(Needed("", 0)));
    ExpectUnchanged();
}

TEST_F(FrameFile, AMissingFileIsReportedByName) {
    EXPECT_FALSE(iSprLoadGfx(*e, dir.string(), "nothere.dat", messages));
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0], kGfxHeading + "File not found: " + (dir / "nothere.dat").string());
}

TEST(ProgramFile, JoinsTheFolderAndTheName) {
    EXPECT_EQ(ProgramFile("/opt/rq/", "usa.bmp"), "/opt/rq/usa.bmp");
    EXPECT_EQ(ProgramFile("/opt/rq", "usa.bmp"), "/opt/rq/usa.bmp");
    EXPECT_EQ(ProgramFile("C:\\rq\\", "usa.bmp"), "C:\\rq\\usa.bmp");
    EXPECT_EQ(ProgramFile("", "usa.bmp"), "usa.bmp");
}

TEST(SheetLoaders, LoadBothSheetsFromTheProgramFolder) {
    SpriteEngine e;
    FakePictures pictures;
    RecordingMessages messages;
    pictures.Pictures["/game/railquest.bmp"] = Surface(40, 30, 0x00123456u);
    pictures.Pictures["/game/masks.bmp"] = Surface(40, 30, 0x00FFFFFFu);
    EXPECT_TRUE(iSprLoadSheet(e, "/game/", "railquest.bmp", pictures, messages));
    EXPECT_TRUE(iSprLoadMask(e, "/game/", "masks.bmp", pictures, messages));
    EXPECT_EQ(e.Sheet.At(5, 5), 0x00123456u);
    EXPECT_EQ(e.Mask.Width, 40);
    EXPECT_TRUE(messages.Shown.empty());
}

TEST(SheetLoaders, AMissingPictureShowsTheGfxMessage) {
    SpriteEngine e;
    FakePictures pictures;
    RecordingMessages messages;
    EXPECT_FALSE(iSprLoadSheet(e, "/game/", "railquest.bmp", pictures, messages));
    EXPECT_FALSE(iSprLoadMask(e, "/game/", "masks.bmp", pictures, messages));
    ASSERT_EQ(messages.Shown.size(), 2u);
    EXPECT_EQ(messages.Shown[0], kGfxHeading + "File not found: /game/railquest.bmp");
    EXPECT_EQ(messages.Shown[1], kGfxHeading + "File not found: /game/masks.bmp");
    EXPECT_FALSE(e.Sheet.Exists());
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

TEST(PlainPictures, LoadIntoTheSurfaceGivenOrShowTheBmpMessage) {
    SpriteEngine e;
    FakePictures pictures;
    RecordingMessages messages;
    const PictureBounds any{1, 1, 1000, 1000};
    pictures.Pictures["/g/tracks.bmp"] = Surface(32, 10, 0x00808080u);
    EXPECT_TRUE(iSprLoadBMP(e.Track, "/g", "tracks.bmp", any, pictures, messages));
    EXPECT_EQ(e.Track.Width, 32);
    EXPECT_FALSE(iSprLoadBMP(e.Map, "/g", "usa.bmp", any, pictures, messages));
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0], "The following error occurred in iSprLoadBMP():\nFile not found: /g/usa.bmp");
    EXPECT_FALSE(e.Map.Exists());
}

}  // namespace
}  // namespace rq
