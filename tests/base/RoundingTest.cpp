// The game's rounding rules: Int rounds down, CInt takes halves to even, diagonal speeds.
#include <gtest/gtest.h>

#include "base/Rounding.h"

namespace rq {
namespace {

TEST(Rounding, IntRoundsDownAlsoForNegativeValues) {
    EXPECT_EQ(Int(2.9), 2);
    EXPECT_EQ(Int(2.0), 2);
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Int(-1.0), -1);
    EXPECT_EQ(Int(0.0), 0);
}

TEST(Rounding, CIntRoundsHalvesToTheEvenNeighbourAndTheRestToTheNearest) {
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
}

TEST(Rounding, DiagonalSpeedsAreTheStraightSpeedOverRootTwo) {
    EXPECT_EQ(DiagonalSpeed(8), 6);
    EXPECT_EQ(DiagonalSpeed(7), 5);
    EXPECT_EQ(DiagonalSpeed(1), 1);
    EXPECT_EQ(DiagonalSpeed(0), 0);
}

}  // namespace
}  // namespace rq
