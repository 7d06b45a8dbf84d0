// Decodes a picture file with QImage and converts it once to 32-bit RGB pixels.
#include "ui/QtPictureLoader.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace rq {

bool QtPictureLoader::Load(const std::string& path, Surface& out, std::string& error) {
    const QString file = QString::fromStdString(path);
    if (!QFileInfo::exists(file)) {
        error = "File not found: " + path;
        return false;
    }
    QImageReader reader(file);
    QImage image = reader.read();
    if (image.isNull()) {
        error = "Invalid picture: " + path + " (" + reader.errorString().toStdString() + ")";
        return false;
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    Surface surface(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            surface.At(x, y) = line[x] & 0x00FFFFFFu;
        }
    }
    out = std::move(surface);
    return true;
}

}  // namespace rq
