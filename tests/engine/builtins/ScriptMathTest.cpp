#include "engine/builtins/ScriptMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const double kInfinity = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(ScriptMath, RoundScalesWithoutOverflowOrDivisionByZero)
{
    EXPECT_EQ(3.0, ScriptRound(2.5, 0));
    EXPECT_EQ(-3.0, ScriptRound(-2.5, 0));
    EXPECT_EQ(1.23, ScriptRound(1.2345, 2));
    EXPECT_EQ(1300.0, ScriptRound(1250, -2));
    EXPECT_EQ(0.5, ScriptRound(0.5, 2000000000));
    EXPECT_EQ(1e300, ScriptRound(1e300, 10));
    // 2^52 + 0.5 cannot exist; 2^52 - 0.5 still rounds.
    EXPECT_EQ(4503599627370495.5, ScriptRound(4503599627370495.5, 1));
    EXPECT_EQ(4503599627370496.0, ScriptRound(4503599627370495.5, 0));
    const double underflow = ScriptRound(-7, -2000000000);
    EXPECT_EQ(0.0, underflow);
    EXPECT_TRUE(std::signbit(underflow));
    EXPECT_FALSE(std::signbit(ScriptRound(7, -2000000000)));
    EXPECT_EQ(kInfinity, ScriptRound(kInfinity, 2));
    EXPECT_TRUE(std::isnan(ScriptRound(kNaN, 2)));
}

TEST(ScriptMath, ModFormulaThenFmod)
{
    EXPECT_EQ(0.0, ScriptMod(5.5, 1.1));
    EXPECT_EQ(-1.0, ScriptMod(-7, 3));
    EXPECT_EQ(1.0, ScriptMod(1e20, 3));
    EXPECT_EQ(std::fmod(123456789012345678.0, 7.0), ScriptMod(123456789012345678.0, 7.0));
    EXPECT_TRUE(std::isnan(ScriptMod(1, 0)));
    EXPECT_TRUE(std::isnan(ScriptMod(0, 0)));
}

TEST(ScriptMath, Bits32SaturateThroughA64BitInteger)
{
    EXPECT_EQ(0xFFFFFFFFu, ScriptNumberBits32(4294967295.0));
    EXPECT_EQ(0xFFFFFFFFu, ScriptNumberBits32(-1.0));
    EXPECT_EQ(0x00000001u, ScriptNumberBits32(4294967297.9));
    EXPECT_EQ(0xFFFFFFFFu, ScriptNumberBits32(1e30));
    EXPECT_EQ(0xFFFFFFFFu, ScriptNumberBits32(kInfinity));
    EXPECT_EQ(0u, ScriptNumberBits32(-kInfinity));
    EXPECT_EQ(0u, ScriptNumberBits32(kNaN));
    EXPECT_EQ(0xFFFFFFFDu, ScriptNumberBits32(-3.9));
}

TEST(ScriptMath, BitShiftIsArithmeticToTheRight)
{
    EXPECT_EQ(-4, ScriptBitShift(static_cast<uint32_t>(-8), 1));
    EXPECT_EQ(INT32_MIN, ScriptBitShift(1, -31));
    EXPECT_EQ(1, ScriptBitShift(1, 32));
    EXPECT_EQ(1, ScriptBitShift(1, -32));
    EXPECT_EQ(static_cast<int32_t>(0xC0000000u), ScriptBitShift(0x80000000u, 1));
    EXPECT_EQ(0x20000000, ScriptBitShift(0x40000000u, 1));
    EXPECT_EQ(0, ScriptBitShift(0x80000000u, -1));
    EXPECT_EQ(1, ScriptBitShift(1, INT32_MIN));
}

}  // namespace
