// The game's rounding rules: Int rounds down, CInt takes halves to even, diagonal speeds.
#include <gtest/gtest.h>

#include <utility>

#include "base/Rounding.h"

namespace rq {
namespace {

TEST(Rounding, CIntTakesHalvesToEvenIntRoundsDownAndDiagonalsAreOverRootTwo) {
    EXPECT_EQ(CInt(0.5), 0);
    EXPECT_EQ(CInt(1.5), 2);
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-0.5), 0);
    EXPECT_EQ(CInt(-1.5), -2);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(127.5), 128);
    EXPECT_EQ(CInt(188.5), 188);
    EXPECT_EQ(CInt(2.4999), 2);  // anything else to the nearest
    EXPECT_EQ(CInt(2.5001), 3);
    EXPECT_EQ(CInt(-2.6), -3);
    // Int rounds down, also below zero.
    for (const auto& [x, down] : {std::pair{2.9, 2}, {2.0, 2}, {-0.5, -1}, {-1.0, -1}, {0.0, 0}})
        EXPECT_EQ(Int(x), down) << x;
    // Diagonal speeds are the straight speed over √2, rounded.
    for (const auto& [straight, diagonal] : {std::pair{8, 6}, {7, 5}, {1, 1}, {0, 0}}) {
        EXPECT_EQ(DiagonalSpeed(straight), diagonal) << straight;
    }
}

}  // namespace
}  // namespace rq
