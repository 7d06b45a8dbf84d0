// Fuzz target: the game's picture decoder (QImage behind the header check), against the headless one.
#include <QByteArray>
#include <QImage>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "FuzzCheck.h"
#include "sprite/BmpPictureLoader.h"
#include "ui/QtPictureLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using rq::fuzz::Require;
    std::string error;
    const QImage image = rq::DecodePicture(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), "usa.bmp", error);
    if (image.isNull()) {
        Require(error.starts_with("Invalid picture: usa.bmp ("));
        return 0;
    }
    Require(error.empty() && image.format() == QImage::Format_RGB32);
    // Where both decoders read a picture they read the same pixels.
    rq::Surface headless;
    if (rq::DecodeBmp(std::span<const std::uint8_t>(data, size), "usa.bmp", headless, error)) {
        Require(headless.Width == image.width() && headless.Height == image.height());
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                Require((line[x] & 0x00FFFFFFu) == headless.At(x, y));
            }
        }
    }
    return 0;
}
