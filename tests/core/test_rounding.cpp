#include "core/failure.h"
#include "core/rounding.h"

#include <gtest/gtest.h>

using namespace zilvaro;

TEST(Rounding, HalvesGoToEven) {
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.5000001), 3);
    EXPECT_EQ(toInt16(1.5), 2);
    EXPECT_EQ(toInt16(12.0 / 8.0), 2); // a seed list of 12 characters holds two points
    EXPECT_EQ(toInt16(20.0 / 8.0), 2);
}

TEST(Rounding, SixteenBitOverflowIsAFailure) {
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768), -32768);
    EXPECT_THROW(toInt16(32767.5), Failure); // rounds to 32768
    EXPECT_THROW(toInt16(-40000), Failure);
}

TEST(Rounding, IntegerDivisionRoundsOperandsThenTruncates) {
    EXPECT_EQ(integerDivide(6762, 2), 3381);
    EXPECT_EQ(integerDivide(7, 2), 3);
    EXPECT_EQ(integerDivide(2.5, 1), 2); // 2.5 rounds to 2 first
    EXPECT_EQ(integerDivide(3.5, 2), 2); // 3.5 rounds to 4
    EXPECT_EQ(integerDivide(-7, 2), -3); // toward zero
    EXPECT_THROW(integerDivide(1, 0.4), Failure);
}
