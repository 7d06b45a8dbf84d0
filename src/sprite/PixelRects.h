// Small operations on blocks of back-buffer pixels (right and bottom exclusive).
#pragma once

#include <algorithm>

#include "sprite/SpriteEngine.h"

namespace rq {

inline PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

inline bool Empty(const PixelRect& r) {
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

inline bool Same(const PixelRect& a, const PixelRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

inline PixelRect Block(int x, int y, int w, int h) {
    return {x, y, x + std::max(w, 0), y + std::max(h, 0)};
}

// The part of a block that lies on the back buffer.
inline PixelRect OnBack(const SpriteEngine& e, int x, int y, int w, int h) {
    return Intersect(Block(x, y, w, h), Block(0, 0, e.Back.Width, e.Back.Height));
}

}  // namespace rq
