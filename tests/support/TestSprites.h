// Test support: sprite slots made from frames of the street's usual sizes, no picture files needed.
#pragma once

#include <vector>

#include "sprite/CreateSprites.h"
#include "sprite/SpriteSetup.h"

namespace rq::test {

// Frames of the street's usual sizes: actors 24 × 32, crystals 12 × 12, a 60 × 50 ticket office,
// an 80 × 60 capitol, 240-pixel trains, a 40 × 40 fuzzbomb and 640 × 120 skyline layers.
inline void MakeTestSprites(SpriteEngine& e) {
    std::vector<SpriteFrame> frames;
    const auto add = [&frames](int count, std::int16_t w, std::int16_t h) {
        for (int i = 0; i < count; ++i) {
            frames.push_back({0, 0, w, h});
        }
    };
    add(12, 24, 32);   // player, fuzzy, citizen
    add(6, 12, 12);    // crystal appearing
    add(1, 60, 50);    // ticket office
    add(1, 80, 60);    // capitol
    add(2, 240, 40);   // trains
    add(4, 40, 40);    // fuzzbomb
    add(3, 640, 120);  // skyline
    frames.push_back({});
    e.gFrames = frames;
    e.Sheet = Surface(640, 120);
    e.Mask = Surface(640, 120, 0x00FFFFFFu);
    iSprCreateBackBuffer(e, kBackBufferWidth, kBackBufferHeight);
    CreateSprites(e);
}

}  // namespace rq::test
