#include "engine/system/CArgList.h"
#include "engine/system/COsVersion.h"
#include "engine/MersenneTwister.h"
#include "engine/ScriptArrays.h"
#include "engine/system/SystemFiles.h"
#include "engine/TextHelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Args(const char* line)
{
    CArgList list;
    list.Parse(line);
    std::vector<std::string> args;
    for (int i = 0; i < list.GetCount(); ++i)
        args.push_back(list.GetArg(i));
    return args;
}

TEST(SyslibArgList, QuotesGroupBlanksAndDoubledQuotesGiveOne)
{
    EXPECT_EQ((std::vector<std::string>{"a", "b c", "d\"e"}), Args("a \"b c\" d\"\"e"));
    EXPECT_EQ((std::vector<std::string>{"x", "y"}), Args(" \t x \t\t y  "));
    EXPECT_EQ(std::vector<std::string>{}, Args(""));
    EXPECT_EQ(std::vector<std::string>{}, Args(nullptr));
    EXPECT_EQ((std::vector<std::string>{"a b"}), Args("\"a b"));
}

TEST(SyslibArgList, KeepsTheLineAndBoundsCountAndLength)
{
    CArgList list;
    list.Parse("one two");
    EXPECT_STREQ("one two", list.GetLineText());
    EXPECT_STREQ("", list.GetArg(2));
    EXPECT_STREQ("", list.GetArg(-1));

    std::string many;
    for (int i = 0; i < 70; ++i)
        many += "w" + std::to_string(i) + " ";
    list.Parse(many.c_str());
    EXPECT_EQ(CArgList::kMaxArgs, list.GetCount());
    EXPECT_STREQ("w63", list.GetArg(63));

    std::string longArg(5000, 'x');
    list.Parse((longArg + " next").c_str());
    ASSERT_EQ(2, list.GetCount());
    EXPECT_EQ(size_t(CArgList::kMaxArgLength), std::string(list.GetArg(0)).size());
    EXPECT_STREQ("next", list.GetArg(1));
}

TEST(SyslibOsVersion, FamilyFlags)
{
    COsVersion seven = COsVersion::FromVersion(VER_PLATFORM_WIN32_NT, 6, 1, 7601, "  Service Pack 1 ");
    EXPECT_EQ("Service Pack 1", seven.m_strServicePack);
    EXPECT_TRUE(seven.m_bNT);
    EXPECT_FALSE(seven.m_b9x);
    EXPECT_FALSE(seven.m_bNT4);
    EXPECT_TRUE(seven.m_bXPOrLater);
    EXPECT_TRUE(seven.m_bXPOrLater2);
    EXPECT_TRUE(seven.m_b2000OrLater);
    EXPECT_FALSE(seven.m_bWin2000);

    COsVersion w2000 = COsVersion::FromVersion(VER_PLATFORM_WIN32_NT, 5, 0, 2195, "");
    EXPECT_TRUE(w2000.m_bWin2000);
    EXPECT_TRUE(w2000.m_b2000OrLater);
    EXPECT_FALSE(w2000.m_bXPOrLater);
    EXPECT_TRUE(w2000.m_bNT4Or5);

    COsVersion nt4 = COsVersion::FromVersion(VER_PLATFORM_WIN32_NT, 4, 0, 1381, nullptr);
    EXPECT_TRUE(nt4.m_bNT4);
    EXPECT_FALSE(nt4.m_b2000OrLater);
    EXPECT_EQ("", nt4.m_strServicePack);

    COsVersion me = COsVersion::FromVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 90, 0x04113000, "");
    EXPECT_TRUE(me.m_b9x);
    EXPECT_TRUE(me.m_bWinMe);
    EXPECT_TRUE(me.m_bWin98OrMe);
    EXPECT_FALSE(me.m_bWin98);
    EXPECT_EQ(0x3000u, me.m_nBuild);
    EXPECT_FALSE(me.m_bNT);

    const COsVersion& here = COsVersion::Current();
    EXPECT_TRUE(here.m_bNT);
    EXPECT_TRUE(here.m_b2000OrLater);
}

TEST(SyslibText, LineEnds)
{
    char text[] = "a\r\nb\rc\n";
    StripCarriageReturns(text);
    EXPECT_STREQ("a\nbc\n", text);
    EXPECT_EQ(8u, ExpandedLineEndsSize("a\nbc\n"));
    std::vector<char> out(ExpandedLineEndsSize("a\nbc\n"));
    ExpandLineEnds("a\nbc\n", out.data());
    EXPECT_STREQ("a\r\nbc\r\n", out.data());
}

TEST(SyslibText, BoundedCopies)
{
    char buffer[6] = "zzzzz";
    CopyBounded(buffer, "abc", 0);
    EXPECT_STREQ("zzzzz", buffer);
    CopyBounded(buffer, "abcdefgh", sizeof buffer);
    EXPECT_STREQ("abcde", buffer);
    CopyBounded(buffer, "ab", sizeof buffer);
    AppendBounded("cdefg", buffer, sizeof buffer);
    EXPECT_STREQ("abcde", buffer);
    AppendBounded("x", buffer, sizeof buffer);
    EXPECT_STREQ("abcde", buffer);

    char* copy = DuplicateString("copy me");
    EXPECT_STREQ("copy me", copy);
    delete[] copy;

    unsigned long colour = 0x12345678;
    SwapRedBlue(colour);
    EXPECT_EQ(0x12785634ul, colour);
}

TEST(SyslibText, HexDigits)
{
    char buffer[16];
    EXPECT_TRUE(FormatHexDigits(255, buffer, 4));
    EXPECT_STREQ("00FF", buffer);
    EXPECT_TRUE(FormatHexDigits(0xFFFFFFFFul, buffer, 8));
    EXPECT_STREQ("FFFFFFFF", buffer);
    EXPECT_FALSE(FormatHexDigits(256, buffer, 2));
    EXPECT_STREQ("00", buffer);
    EXPECT_TRUE(FormatHexDigits(0, buffer, 0));
    EXPECT_STREQ("", buffer);

    int value = 0;
    EXPECT_TRUE(ParseHex("ff", value));
    EXPECT_EQ(255, value);
    EXPECT_TRUE(ParseHex("FFFFFFFF", value));
    EXPECT_EQ(-1, value);
    EXPECT_FALSE(ParseHex("123456789", value));
    EXPECT_FALSE(ParseHex("0xff", value));
}

TEST(SyslibText, TargetNames)
{
    struct Case
    {
        const char* source;
        const char* destination;
        const char* target;
    };
    const Case cases[] = {
        {"report.txt", "c:\\out\\*.bak", "c:\\out\\report.bak"},
        {"report.txt", "c:\\out\\x*", "c:\\out\\xreport.txt"},
        {"report.txt", "c:\\out\\*.*", "c:\\out\\report.txt"},
        {"report.txt", "c:\\out\\fixed.doc", "c:\\out\\fixed.doc"},
        {"README", "c:\\out\\*", "c:\\out\\README"},
        {"a.txt", "c:\\out\\*-**.old*", "c:\\out\\a-.oldtxt"},
    };
    for (const Case& c : cases) {
        std::string target;
        MakeTargetName(c.source, c.destination, target);
        EXPECT_EQ(c.target, target) << c.source << " to " << c.destination;
    }
}

TEST(SyslibRandom, StandardSequenceAndClockSeeding)
{
    MersenneTwister mt;
    mt.Seed(5489);
    EXPECT_EQ(3499211612u, mt.Next());
    EXPECT_EQ(581869302u, mt.Next());
    for (int i = 0; i < 9997; ++i)
        mt.Next();
    EXPECT_EQ(4123659995u, mt.Next());  // the 10000th output of the standard generator

    MersenneTwister a;
    MersenneTwister b;
    a.Seed(42);
    b.Seed(42);
    for (int i = 0; i < 1000; ++i) {
        double r = a.NextReal();
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 1.0);
        EXPECT_EQ(r, b.NextReal());
    }

    MersenneTwister unseeded;
    unseeded.Next();
    EXPECT_TRUE(unseeded.IsSeeded());
    SeedRandomFromClock();
    EXPECT_TRUE(ScriptRandom().IsSeeded());
}

TEST(SyslibArrays, OneDimensionalArrays)
{
    CScriptValue value;
    ASSERT_TRUE(MakeArray1D(value, 3));
    EXPECT_TRUE(value.IsArray());
    EXPECT_EQ(3, value.GetElementCount());
    CScriptValue* element = ArrayElement1D(value, 2);
    ASSERT_NE(nullptr, element);
    element->SetString("last");
    EXPECT_STREQ("last", ArrayElement1D(value, 2)->GetText());
    EXPECT_EQ(nullptr, ArrayElement1D(value, 3));
    EXPECT_FALSE(MakeArray1D(value, 0));
}

}  // namespace
