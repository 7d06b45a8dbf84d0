// The game's picture loader (QImage) against the headless reader: every damaged or cut-short file
// refused by both, every file they accept read to the same pixels.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "sprite/BmpPictureLoader.h"
#include "support/BmpBytes.h"
#include "ui/GameView.h"

namespace rq {
namespace {

QByteArray Raw(const std::vector<std::uint8_t>& b, std::size_t length) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(length));
}

// Both loaders refuse the bytes, or both read them to the same picture.
bool SameReading(const std::vector<std::uint8_t>& b, std::size_t length, bool& accepted) {
    Surface headless;
    std::string error;
    const bool headlessOk = DecodeBmp(std::span(b.data(), length), "x.bmp", headless, error);
    const QImage image = DecodePicture(Raw(b, length), "x.bmp", error);
    accepted = !image.isNull();
    return headlessOk == accepted && (!accepted || image == SurfaceToImage(headless));
}

TEST(QtPictureLoader, RefusesEveryDamagedBitmap) {
    test::App();
    for (const auto& [what, bytes, why] : test::DamagedBitmaps()) {
        std::string error;
        EXPECT_TRUE(DecodePicture(Raw(bytes, bytes.size()), "x.bmp", error).isNull()) << what;
        EXPECT_NE(error.find(why), std::string::npos) << what << ": " << error;
    }
}

// Every picture the game starts with, cut to every length through its headers and last rows and at
// a coarse step between, is refused by both loaders; whole, both read it alike.
TEST(QtPictureLoader, RefusesTheRealPicturesCutShort) {
    test::App();
    for (const char* file : {"railquest.bmp", "masks.bmp", "tracks.bmp", "usa.bmp", "splash.bmp"}) {
        const std::vector<std::uint8_t> b = test::FileBytes(test::AssetsDir() + file);
        ASSERT_GT(b.size(), 54u) << file;
        bool accepted = false;
        for (std::size_t length : test::CutLengths(b.size())) {
            ASSERT_TRUE(SameReading(b, length, accepted)) << file << " cut to " << length;
            ASSERT_FALSE(accepted) << file << " cut to " << length;
        }
        EXPECT_TRUE(SameReading(b, b.size(), accepted)) << file;
        EXPECT_TRUE(accepted) << file;
    }
}

// One flipped bit anywhere in the headers of the track tile: refused by both loaders or read by
// both to the same pixels, never a picture of bytes the file does not hold.
TEST(QtPictureLoader, AgreesWithTheHeadlessReaderOnEveryFlippedHeaderBit) {
    test::App();
    const std::vector<std::uint8_t> good = test::FileBytes(test::AssetsDir() + "tracks.bmp");
    ASSERT_GT(good.size(), 54u);
    int refused = 0;
    for (std::size_t at = 0; at < 54; ++at) {
        for (int bit = 0; bit < 8; ++bit) {
            std::vector<std::uint8_t> b = good;
            b[at] = static_cast<std::uint8_t>(b[at] ^ (1u << bit));
            bool accepted = false;
            EXPECT_TRUE(SameReading(b, b.size(), accepted)) << "byte " << at << " bit " << bit;
            refused += accepted ? 0 : 1;
        }
    }
    EXPECT_GT(refused, 100) << "most flips in the headers damage the picture";
}

}  // namespace
}  // namespace rq
