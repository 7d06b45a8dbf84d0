// Test support: Windows bitmap files written byte by byte, and the damaged versions of them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace rq::test {

inline void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) {
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

// A 24-bit bitmap, w × h, pixel (x, y) = 0xA0, y, x (red, green, blue); bottom-up unless topDown.
inline std::vector<std::uint8_t> Bmp24(int w, int h, bool topDown = false) {
    const std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> b(54 + stride * static_cast<std::size_t>(h), 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, 54);
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(w));
    Put32(b, 22, static_cast<std::uint32_t>(topDown ? -h : h));
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < h; ++y) {
        const int fileRow = topDown ? y : h - 1 - y;
        for (int x = 0; x < w; ++x) {
            const std::size_t p = 54 + stride * static_cast<std::size_t>(fileRow) + static_cast<std::size_t>(x) * 3;
            b[p] = static_cast<std::uint8_t>(x);
            b[p + 1] = static_cast<std::uint8_t>(y);
            b[p + 2] = 0xA0;
        }
    }
    return b;
}

// A damaged copy of a good bitmap and the description its refusal must contain.
struct DamagedBmp {
    std::string What;
    std::vector<std::uint8_t> Bytes;
    std::string Why;
};

// Every way of damaging a bitmap that the loaders must refuse, made from a 5 × 3 24-bit picture.
inline std::vector<DamagedBmp> DamagedBitmaps() {
    const std::vector<std::uint8_t> good = Bmp24(5, 3);
    auto with = [&good](std::size_t at, std::uint32_t value) {
        auto b = good;
        Put32(b, at, value);
        return b;
    };
    auto depth = [&good](std::uint8_t bits) {
        auto b = good;
        b[28] = bits;
        return b;
    };
    const auto size = static_cast<std::uint32_t>(good.size());
    const std::string ends = "the file ends before its picture does";
    return {
        {"empty", {}, "not a Windows bitmap"},
        {"not BM", with(0, 0x4D58), "not a Windows bitmap"},
        {"cut in the info header", {good.begin(), good.begin() + 53}, "the file ends inside its header"},
        {"header size wraps round", with(14, 0xFFFFFFFFu), "an unknown kind of bitmap header"},
        {"old 12-byte header", with(14, 12), "an unknown kind of bitmap header"},
        {"negative width", with(18, 0xFFFFFFFBu), "an impossible size"},
        {"huge height", with(22, 0x80000000u), "an impossible size"},
        {"66012 wide", with(18, 66012), "an impossible size"},
        {"two planes", with(26, 0x00180002u), "a bitmap of 2 colour planes"},
        {"1 bit over 24", depth(1), "only uncompressed 8, 24 or 32-bit"},
        {"4 bits over 24", depth(4), "only uncompressed 8, 24 or 32-bit"},
        {"16 bits over 24", depth(16), "only uncompressed 8, 24 or 32-bit"},
        {"8 bits over 24: the colour table runs into the pixels", depth(8), "the pixel data starts inside the header"},
        {"32 bits over 24", depth(32), ends},
        {"run-length compressed", with(30, 1), "only uncompressed"},
        {"colour table of 2^32-1 entries", with(46, 0xFFFFFFFFu), "a colour table of 4294967295 entries"},
        {"colour table over the pixels", with(46, 2), "the pixel data starts inside the header"},
        {"pixels inside the header", with(10, 20), "the pixel data starts inside the header"},
        {"pixels at the end of the file", with(10, size), "starts at or past the end of the file"},
        {"pixels past the end", with(10, 0xFFFFFFF0u), "starts at or past the end of the file"},
        {"pixels a byte late", with(10, 55), ends},
        {"a byte short", {good.begin(), good.end() - 1}, ends},
        {"taller than its pixels", with(22, 4), ends},
    };
}

// The bytes of a file; empty when there is none.
inline std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Lengths to cut a file of `size` bytes to: every length through the first and the last 200 bytes
// (the headers, the first and the last rows), and about a thousand evenly spaced ones in between.
inline std::vector<std::size_t> CutLengths(std::size_t size) {
    const std::size_t step = size / 1000 + 1;
    std::vector<std::size_t> lengths;
    for (std::size_t n = 0; n < size; n = (n < 200 || n + 200 >= size) ? n + 1 : std::min(n + step, size - 200)) {
        lengths.push_back(n);
    }
    return lengths;
}

}  // namespace rq::test
