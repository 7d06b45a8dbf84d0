// A picture loader for plain Windows bitmaps, for headless use (tests, tools) where Qt is not linked.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "sprite/PictureLoader.h"

namespace rq {

// Decodes uncompressed .bmp files of 8 (with a colour table), 24 or 32 bits per pixel, bottom-up or
// top-down, that pass ReadBmpLayout; anything else is refused with a description.
class BmpPictureLoader : public PictureLoader {
public:
    bool Load(const std::string& path, Surface& out, std::string& error) override;
};

// The decoder itself, on the bytes of a file; `name` only goes into the error text.
bool DecodeBmp(std::span<const std::uint8_t> bytes, const std::string& name, Surface& out, std::string& error);

}  // namespace rq
