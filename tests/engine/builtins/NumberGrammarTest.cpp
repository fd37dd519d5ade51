#include "engine/builtins/NumberGrammar.h"

#include <gtest/gtest.h>

namespace {

struct GrammarCase
{
    const char* text;
    bool isFloat;
    bool isInt;
};

const GrammarCase kCases[] = {
    {"", false, false},     {".", false, false},     {"+.", false, false},    {"-.", false, false},
    {"+", false, false},    {"-", false, false},     {"12", false, true},     {"+12", false, true},
    {"-007", false, true},  {"12.", true, false},    {".5", true, false},     {"-1.5", true, false},
    {"+0.0", true, false},  {"1e5", false, false},   {"1.5e3", false, false}, {"1.2.3", false, false},
    {" 1.5", false, false}, {"1.5 ", false, false},  {" 12", false, false},   {"12 ", false, false},
    {"--1", false, false},  {"+-1", false, false},   {"1-", false, false},    {"0x10", false, false},
    {"\xB2", false, false}, {"1\xB2", false, false}, {"..5", false, false},   {"5..", false, false},
};

TEST(NumberGrammar, FloatAndIntTexts)
{
    for (const GrammarCase& c : kCases) {
        EXPECT_EQ(c.isFloat, IsFloatText(c.text)) << '"' << c.text << '"';
        EXPECT_EQ(c.isInt, IsIntText(c.text)) << '"' << c.text << '"';
    }
}

}  // namespace
