#include "robot/HexDigits.h"
#include "robot/NumberText.h"
#include "robot/RandomInRange.h"

#include <gtest/gtest.h>

#include <climits>

TEST(NumberText, StringToIntReadsTheLeadingNumberAndSaturates)
{
    EXPECT_EQ(123, StringToInt("123abc"));
    EXPECT_EQ(0, StringToInt("abc12"));
    EXPECT_EQ(0, StringToInt(""));
    EXPECT_EQ(-7, StringToInt(" -7"));
    EXPECT_EQ(42, StringToInt("\t+42 "));
    EXPECT_EQ(0, StringToInt("- 5"));
    EXPECT_EQ(INT_MAX, StringToInt("2147483647"));
    EXPECT_EQ(INT_MIN, StringToInt("-2147483648"));
    EXPECT_EQ(INT_MAX, StringToInt("2147483648"));
    EXPECT_EQ(INT_MAX, StringToInt("99999999999999999999999"));
    EXPECT_EQ(INT_MIN, StringToInt("-99999999999999999999999"));
}

TEST(NumberText, IntToStringAndHexDigits)
{
    EXPECT_EQ("-15", IntToString(-15));
    EXPECT_EQ("-2147483648", IntToString(INT_MIN));
    EXPECT_EQ(10, HexDigitValue("a"));
    EXPECT_EQ(15, HexDigitValue("F"));
    EXPECT_EQ(9, HexDigitValue("9"));
    EXPECT_EQ(0, HexDigitValue("G"));
    EXPECT_EQ(0, HexDigitValue("AB"));
    EXPECT_EQ(0, HexDigitValue(""));
    EXPECT_EQ("F", HexDigitChar(15));
    EXPECT_EQ("0", HexDigitChar(0));
    EXPECT_EQ("", HexDigitChar(16));
}

TEST(NumberText, RandomInRangeStaysInsideAndToleratesAnEmptyRange)
{
    EXPECT_EQ(5, RandomInRange(5, 5));
    EXPECT_EQ(0, RandomInRange(0, -1));
    for (int i = 0; i < 200; ++i) {
        const int value = RandomInRange(-3, 3);
        EXPECT_GE(value, -3);
        EXPECT_LE(value, 3);
    }
}
