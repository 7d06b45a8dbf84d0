// The headers of a Windows bitmap file, checked against the file's length before any pixel is read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace rq {

// What the headers of a readable bitmap say. Rows are Stride bytes apart, the first at DataAt.
struct BmpLayout {
    int Width = 0;
    int Height = 0;  // always positive; TopDown tells the row order
    bool TopDown = false;
    int Bits = 0;               // 8 (with a colour table), 24 or 32
    std::size_t PaletteAt = 0;  // the colour table of an 8-bit picture
    int PaletteSize = 0;        // 1..256 entries for 8 bits, else 0
    std::size_t DataAt = 0;
    std::size_t Stride = 0;
};

// Reads the headers of a whole bitmap file. Refuses, with a short description, anything the game's
// loaders do not read (headers other than the plain 40-byte one, more than one plane, compressed
// pictures, depths other than 8, 24 and 32 bits) and every file whose
// headers disagree with its length: a file that ends inside its headers or before its last row of
// pixels, pixel data that starts inside the headers and colour table or past the end, an impossible size.
// A file that passes holds every byte its pixels need.
bool ReadBmpLayout(std::span<const std::uint8_t> file, BmpLayout& layout, std::string& why);

}  // namespace rq
