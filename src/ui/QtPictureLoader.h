// Picture decoding with QImage for the picture-loader port and the splash window.
#pragma once

#include <QByteArray>
#include <QImage>
#include <string>

#include "sprite/PictureLoader.h"

namespace rq {

// Decodes the bytes of a bitmap file with QImage once ReadBmpLayout has found its headers in
// agreement with its length. A null image on failure, with `error` such as
// "Invalid picture: <name> (the file ends before its picture does)".
QImage DecodePicture(const QByteArray& bytes, const std::string& name, std::string& error);

// The same for a file; "File not found: <path>" when there is none.
QImage ReadPicture(const std::string& path, std::string& error);

class QtPictureLoader : public PictureLoader {
public:
    bool Load(const std::string& path, Surface& out, std::string& error) override;
};

}  // namespace rq
