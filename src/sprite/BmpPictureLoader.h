// A picture loader for plain Windows bitmaps, for headless use (tests, tools) where Qt is not linked.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sprite/PictureLoader.h"

namespace rq {

// Decodes uncompressed .bmp files of 8 (with a palette), 24 or 32 bits per pixel, bottom-up or
// top-down. Anything else, or a truncated or inconsistent file, is refused with a description.
class BmpPictureLoader : public PictureLoader {
public:
    bool Load(const std::string& path, Surface& out, std::string& error) override;
};

// The decoder itself, on the bytes of a file; `name` only goes into the error text.
bool DecodeBmp(const std::vector<std::uint8_t>& bytes, const std::string& name, Surface& out, std::string& error);

}  // namespace rq
