// The sprite engine's state: surfaces, the frame table, the sprite table and the scene rectangles.
#pragma once

#include <array>
#include <vector>

#include "sprite/Sprite.h"
#include "sprite/Surface.h"

namespace rq {

struct SpriteEngine {
    std::array<Sprite, kSpriteSlots> gSprites{};
    std::vector<SpriteFrame> gFrames;  // frames 0..N−1 plus one all-zero entry

    Sprite& operator[](int slot) { return gSprites.at(static_cast<std::size_t>(slot)); }
    const Sprite& operator[](int slot) const { return gSprites.at(static_cast<std::size_t>(slot)); }
};

}  // namespace rq
