// Fuzz target: the headless bitmap decoder and the header check every picture loader relies on.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "FuzzCheck.h"
#include "sprite/BmpLayout.h"
#include "sprite/BmpPictureLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using rq::fuzz::Require;
    const std::span<const std::uint8_t> bytes(data, size);
    rq::BmpLayout layout;
    std::string why;
    const bool headersFit = rq::ReadBmpLayout(bytes, layout, why);
    Require(headersFit == why.empty());
    rq::Surface picture;
    std::string error;
    if (!rq::DecodeBmp(bytes, "usa.bmp", picture, error)) {
        Require(error.starts_with("Invalid picture: usa.bmp (") && !picture.Exists());
        return 0;
    }
    // A decoded picture has its header's size and only 0x00RRGGBB pixels.
    Require(headersFit && error.empty() && picture.Width == layout.Width && picture.Height == layout.Height);
    Require(picture.Pixels.size() ==
            static_cast<std::size_t>(picture.Width) * static_cast<std::size_t>(picture.Height));
    for (const std::uint32_t pixel : picture.Pixels) {
        Require((pixel & 0xFF000000u) == 0);
    }
    return 0;
}
