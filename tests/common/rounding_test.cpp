#include "common/core/rounding.h"

// std
#include <cmath>

#include <gtest/gtest.h>

namespace {

TEST(RoundHalfEven, WholeNumbersGoToTheEvenNeighbourAtHalves)
{
    EXPECT_EQ(common::roundHalfEven(0.5), 0.0);
    EXPECT_EQ(common::roundHalfEven(1.5), 2.0);
    EXPECT_EQ(common::roundHalfEven(2.5), 2.0);
    EXPECT_EQ(common::roundHalfEven(3.5), 4.0);
    EXPECT_EQ(common::roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(common::roundHalfEven(2.4999), 2.0);
    EXPECT_EQ(common::roundHalfEven(2.5001), 3.0);
}

TEST(RoundHalfEven, CentsOfDecimalHalvesReadFromText)
{
    // 2.675 and 0.125 are stored slightly off their decimal value; they are still halves.
    EXPECT_DOUBLE_EQ(common::roundHalfEven(2.675, 2), 2.68);
    EXPECT_DOUBLE_EQ(common::roundHalfEven(2.665, 2), 2.66);
    EXPECT_DOUBLE_EQ(common::roundHalfEven(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(common::roundHalfEven(9.5 * 12, 2), 114.0);
    EXPECT_DOUBLE_EQ(common::roundHalfEven(1234567.891, 2), 1234567.89);
}

TEST(RoundHalfEven, NoNegativeZero)
{
    EXPECT_FALSE(std::signbit(common::roundHalfEven(-0.4)));
    EXPECT_FALSE(std::signbit(common::roundHalfEven(-0.001, 2)));
}

} // namespace
