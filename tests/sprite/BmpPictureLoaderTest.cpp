// The headless bitmap reader: the layouts it reads and the damaged files it refuses.
#include <gtest/gtest.h>

#include "sprite/BmpPictureLoader.h"
#include "support/BmpBytes.h"

namespace rq {
namespace {

using test::Bmp24;

TEST(DecodeBmp, ReadsBottomUpAndTopDownRowsWithPadding) {
    for (bool topDown : {false, true}) {
        Surface s;
        std::string error;
        ASSERT_TRUE(DecodeBmp(Bmp24(5, 3, topDown), "x.bmp", s, error)) << error;
        ASSERT_EQ(s.Width, 5);
        ASSERT_EQ(s.Height, 3);
        EXPECT_EQ(s.At(0, 0), 0x00A00000u);
        EXPECT_EQ(s.At(4, 2), 0x00A00204u);
        EXPECT_EQ(s.At(3, 1), 0x00A00103u);
    }
}

TEST(DecodeBmp, ReadsEightBitPixelsThroughTheirColourTable) {
    // 2 × 1 pixels of 8 bits with a two-entry colour table.
    Surface s;
    std::string error;
    std::vector<std::uint8_t> b = Bmp24(1, 1);
    b.resize(54 + 8 + 4);
    b[28] = 8;
    test::Put32(b, 18, 2);
    test::Put32(b, 46, 2);
    test::Put32(b, 10, 62);
    test::Put32(b, 54, 0x00112233u);
    test::Put32(b, 58, 0x00445566u);
    b[62] = 1;
    b[63] = 0;
    ASSERT_TRUE(DecodeBmp(b, "x.bmp", s, error)) << error;
    EXPECT_EQ(s.At(0, 0), 0x00445566u);
    EXPECT_EQ(s.At(1, 0), 0x00112233u);
    b[63] = 2;
    EXPECT_FALSE(DecodeBmp(b, "x.bmp", s, error));
    EXPECT_EQ(error, "Invalid picture: x.bmp (a pixel outside the colour table)");
}

TEST(DecodeBmp, RefusesDamagedFilesWithADescription) {
    for (const auto& [what, bytes, why] : test::DamagedBitmaps()) {
        Surface s;
        std::string error;
        EXPECT_FALSE(DecodeBmp(bytes, "x.bmp", s, error)) << what;
        EXPECT_EQ(error.rfind("Invalid picture: x.bmp (", 0), 0u) << what << ": " << error;
        EXPECT_NE(error.find(why), std::string::npos) << what << ": " << error;
        EXPECT_FALSE(s.Exists());
    }
}

}  // namespace
}  // namespace rq
