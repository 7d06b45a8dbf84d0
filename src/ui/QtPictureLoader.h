// Picture decoding with QImage for the picture-loader port.
#pragma once

#include "sprite/PictureLoader.h"

namespace rq {

class QtPictureLoader : public PictureLoader {
public:
    bool Load(const std::string& path, Surface& out, std::string& error) override;
};

}  // namespace rq
