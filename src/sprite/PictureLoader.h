// The picture-loader port: a picture file becomes 32-bit pixels, or an error text saying why not.
#pragma once

#include <cstdint>
#include <string>

#include "sprite/Surface.h"

namespace rq {

// No picture of the game comes near this size (the largest is about a megabyte): a larger file is
// refused before it is read.
constexpr std::uintmax_t kMaxPictureBytes = 64u << 20;

class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // Decodes the file into `out` (0x00RRGGBB pixels). On failure returns false and sets `error`
    // to a one-line description such as "File not found: /path/usa.bmp".
    virtual bool Load(const std::string& path, Surface& out, std::string& error) = 0;
};

}  // namespace rq
