// The picture-loader port: a picture file becomes 32-bit pixels, or an error text saying why not.
#pragma once

#include <string>

#include "sprite/Surface.h"

namespace rq {

class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // Decodes the file into `out` (0x00RRGGBB pixels). On failure returns false and sets `error`
    // to a one-line description such as "File not found: /path/usa.bmp".
    virtual bool Load(const std::string& path, Surface& out, std::string& error) = 0;
};

}  // namespace rq
