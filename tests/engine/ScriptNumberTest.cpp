#include "engine/ScriptNumber.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

namespace {
std::string Format(double value)
{
    char text[kScriptNumberTextSize];
    ScriptFormatNumber(value, text);
    return text;
}
}  // namespace

TEST(ScriptNumber, TextToNumberTable)
{
    struct Case
    {
        const char* text;
        double number;
        int integer;
    };
    const Case cases[] = {
        {"12", 12, 12},
        {" 12abc", 12, 12},
        {"\t-3.9", -3.9, -3},
        {"3.9", 3.9, 3},
        {"abc", 0, 0},
        {"", 0, 0},
        {"1e3", 1000, 1},
        {"1e", 1, 1},
        {"1e+", 1, 1},
        {"2e3-1", 2000, 2},
        {".5", 0.5, 0},
        {"5.", 5, 5},
        {".", 0, 0},
        {"-", 0, 0},
        {"+7", 7, 7},
        {"0x1F", 31, 31},
        {"0X1f", 31, 31},
        {"0x", 0, 0},
        {"0x123456789", 0, 0},
        {"0xFFFFFFFF", -1, -1},
        {"0x1G", 0, 0},
        {" 0x1F", 0, 0},
        {"-0x10", 0, 0},
        {"inf", 0, 0},
        {"nan", 0, 0},
        {"0x1p3", 0, 0},
        {"99999999999", 99999999999.0, INT_MAX},
        {"-99999999999", -99999999999.0, INT_MIN},
        {"1e-400", 0, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.number, ScriptTextToNumber(c.text)) << c.text;
        EXPECT_EQ(c.integer, ScriptTextToInteger(c.text)) << c.text;
    }
    EXPECT_TRUE(std::isinf(ScriptTextToNumber("1e400")));
    EXPECT_EQ(0.1, ScriptTextToNumber("0.1"));
    EXPECT_EQ(123456789012345678.0, ScriptTextToNumber("123456789012345678"));
}

TEST(ScriptNumber, LongDigitStringsConvertExactly)
{
    std::string text = "0." + std::string(200, '0') + "1";
    EXPECT_EQ(1e-201, ScriptTextToNumber(text.c_str()));
}

TEST(ScriptNumber, HexReading)
{
    int value = 99;
    EXPECT_TRUE(ScriptReadHex("", 0, value));
    EXPECT_EQ(0, value);
    EXPECT_TRUE(ScriptReadHex("7fffffff", 8, value));
    EXPECT_EQ(INT_MAX, value);
    EXPECT_TRUE(ScriptReadHex("80000000", 8, value));
    EXPECT_EQ(INT_MIN, value);
    EXPECT_FALSE(ScriptReadHex("123456789", 9, value));
    EXPECT_EQ(0, value);
    EXPECT_FALSE(ScriptReadHex("1g", 2, value));
    EXPECT_EQ(0, value);
}

TEST(ScriptNumber, SaturatingInteger)
{
    EXPECT_EQ(0, ScriptDoubleToInteger(std::nan("")));
    EXPECT_EQ(INT_MAX, ScriptDoubleToInteger(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(INT_MIN, ScriptDoubleToInteger(-std::numeric_limits<double>::infinity()));
    EXPECT_EQ(INT_MAX, ScriptDoubleToInteger(1e20));
    EXPECT_EQ(INT_MIN, ScriptDoubleToInteger(-1e20));
    EXPECT_EQ(-3, ScriptDoubleToInteger(-3.9));
    EXPECT_EQ(3, ScriptDoubleToInteger(3.9));
    EXPECT_EQ(INT_MAX, ScriptDoubleToInteger(2147483647.5));
}

TEST(ScriptNumber, WholeNumbers)
{
    EXPECT_TRUE(ScriptIsWholeNumber(1e20));
    EXPECT_TRUE(ScriptIsWholeNumber(-0.0));
    EXPECT_TRUE(ScriptIsWholeNumber(1e300));
    EXPECT_FALSE(ScriptIsWholeNumber(0.5));
    EXPECT_FALSE(ScriptIsWholeNumber(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(ScriptIsWholeNumber(std::nan("")));
}

TEST(ScriptNumber, FormatTable)
{
    EXPECT_EQ("0.333333333333333", Format(1.0 / 3));
    EXPECT_EQ("3", Format(3.0));
    EXPECT_EQ("0.3", Format(0.1 + 0.2));
    EXPECT_EQ("0", Format(0.0));
    EXPECT_EQ("-0", Format(-0.0));
    EXPECT_EQ("-42", Format(-42));
    EXPECT_EQ("999999999999999", Format(999999999999999.0));
    EXPECT_EQ("1e+15", Format(1e15));
    EXPECT_EQ("1e+20", Format(1e20));
    EXPECT_EQ("1e-07", Format(1e-7));
    EXPECT_EQ("0.0001", Format(1e-4));
    EXPECT_EQ("1.79769313486232e+308", Format(std::numeric_limits<double>::max()));
    EXPECT_EQ("4.94065645841247e-324", Format(std::numeric_limits<double>::denorm_min()));
    EXPECT_EQ("inf", Format(std::numeric_limits<double>::infinity()));
    EXPECT_EQ("-inf", Format(-std::numeric_limits<double>::infinity()));
    EXPECT_EQ("nan", Format(std::nan("")));
    EXPECT_EQ("nan", Format(-std::nan("")));
    EXPECT_EQ("-2147483648", Format(-2147483648.0));
}
