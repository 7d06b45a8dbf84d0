// The game's arithmetic rules: Int rounds down, CInt rounds halves to the even neighbour.
#pragma once

#include <cmath>
#include <cstdint>

namespace rq {

// Int(x): the largest whole number not above x.
inline int Int(double x) {
    return static_cast<int>(std::floor(x));
}

// Conversion of a real number to an integer: nearest, halves to the even neighbour (2.5 → 2, 3.5 → 4).
inline int CInt(double x) {
    const double lower = std::floor(x);
    const double diff = x - lower;
    auto whole = static_cast<int>(lower);
    if (diff > 0.5 || (diff == 0.5 && (whole % 2) != 0)) {
        ++whole;
    }
    return whole;
}

// A diagonal speed: the straight speed divided by √2 and rounded (8 gives 6, 7 gives 5).
inline std::int16_t DiagonalSpeed(int straight) {
    return static_cast<std::int16_t>(CInt(straight / std::sqrt(2.0)));
}

// Integer division of the game's 16-bit values keeps truncation toward zero; mod keeps the sign
// of the left operand, as the game's arithmetic does.
inline int Mod(int a, int b) {
    return a % b;
}

}  // namespace rq
