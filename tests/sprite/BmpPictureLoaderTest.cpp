// The headless bitmap reader: the layouts it reads and the damaged files it refuses.
#include <gtest/gtest.h>

#include "sprite/BmpPictureLoader.h"

namespace rq {
namespace {

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

// A 24-bit bitmap, w × h, pixel (x, y) = colour(x, y); bottom-up unless topDown.
std::vector<std::uint8_t> Bmp24(int w, int h, bool topDown) {
    const std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> b(54 + stride * static_cast<std::size_t>(h), 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, 54);
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(w));
    Put32(b, 22, static_cast<std::uint32_t>(topDown ? -h : h));
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < h; ++y) {
        const int fileRow = topDown ? y : h - 1 - y;
        for (int x = 0; x < w; ++x) {
            const std::size_t p = 54 + stride * static_cast<std::size_t>(fileRow) + static_cast<std::size_t>(x) * 3;
            b[p] = static_cast<std::uint8_t>(x);      // blue
            b[p + 1] = static_cast<std::uint8_t>(y);  // green
            b[p + 2] = 0xA0;                          // red
        }
    }
    return b;
}

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

TEST(DecodeBmp, RefusesDamagedFilesWithADescription) {
    const std::vector<std::uint8_t> good = Bmp24(5, 3, false);
    std::vector<std::vector<std::uint8_t>> bad;
    bad.emplace_back(good.begin(), good.begin() + 60);  // pixels cut off
    bad.emplace_back(good.begin(), good.begin() + 20);  // header cut off
    auto notBm = good;
    notBm[0] = 'X';
    bad.push_back(notBm);
    auto rle = good;
    rle[30] = 1;
    bad.push_back(rle);
    auto huge = good;
    Put32(huge, 18, 0x7FFFFFFFu);
    bad.push_back(huge);
    auto zero = good;
    Put32(zero, 22, 0);
    bad.push_back(zero);
    auto farData = good;
    Put32(farData, 10, 0xFFFFFFF0u);
    bad.push_back(farData);
    for (const auto& bytes : bad) {
        Surface s;
        std::string error;
        EXPECT_FALSE(DecodeBmp(bytes, "x.bmp", s, error));
        EXPECT_NE(error.find("x.bmp"), std::string::npos) << error;
        EXPECT_FALSE(s.Exists());
    }
}

TEST(BmpPictureLoader, AMissingFileIsNotFound) {
    BmpPictureLoader loader;
    Surface s;
    std::string error;
    EXPECT_FALSE(loader.Load("/nonexistent/railquest.bmp", s, error));
    EXPECT_EQ(error, "File not found: /nonexistent/railquest.bmp");
}

}  // namespace
}  // namespace rq
