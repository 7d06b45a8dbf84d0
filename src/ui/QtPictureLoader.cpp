// Decodes a picture file with QImage, once its headers are known to fit the file, into 32-bit RGB pixels.
#include "ui/QtPictureLoader.h"

#include <QBuffer>
#include <QImageReader>

#include "base/FileBytes.h"
#include "sprite/BmpLayout.h"

namespace rq {

QImage DecodePicture(const QByteArray& bytes, const std::string& name, std::string& error) {
    auto invalid = [&](const std::string& why) {
        error = "Invalid picture: " + name + " (" + why + ")";
        return QImage();
    };
    // QImage fills the rows a short file lacks with whatever memory held, so the headers are checked
    // on the very bytes it then decodes.
    BmpLayout layout;
    std::string why;
    if (!ReadBmpLayout(
            {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())}, layout,
            why)) {
        return invalid(why);
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    QImage image = reader.read();
    if (image.isNull()) {
        return invalid(reader.errorString().toStdString());
    }
    if (image.width() != layout.Width || image.height() != layout.Height) {
        return invalid("decoded at a size other than its header's");
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage ReadPicture(const std::string& path, std::string& error) {
    std::string bytes;
    if (!ReadFileBytes(path, kMaxPictureBytes, bytes, error)) {
        return {};
    }
    return DecodePicture(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), path, error);
}

bool QtPictureLoader::Load(const std::string& path, Surface& out, std::string& error) {
    const QImage image = ReadPicture(path, error);
    if (image.isNull()) {
        return false;
    }
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
