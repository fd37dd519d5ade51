#include "engine/CScriptString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(ScriptString, ConstructionSetsLengthAndCapacity)
{
    CScriptString empty;
    EXPECT_EQ(0, empty.GetLength());
    EXPECT_STREQ("", empty.GetText());
    EXPECT_TRUE(empty.IsEmpty());

    CScriptString text("hello");
    EXPECT_EQ(5, text.GetLength());
    EXPECT_EQ(6, text.GetCapacity());

    CScriptString sized(4);
    EXPECT_EQ(4, sized.GetLength());
    EXPECT_EQ(5, sized.GetCapacity());
    EXPECT_TRUE(sized.IsEmpty());
    std::strcpy(sized.GetBuffer(), "ab");
    sized.RecomputeLength();
    EXPECT_EQ(2, sized.GetLength());
}

TEST(ScriptString, GrowthFollowsTheDoublingRule)
{
    CScriptString s("abc");
    s += "de";
    EXPECT_EQ(11, s.GetCapacity());  // 2 x 5 + 1
    EXPECT_STREQ("abcde", s.GetText());

    CScriptString c("abc");
    c += 'x';
    EXPECT_EQ(9, c.GetCapacity());  // 2 x 3 + 3
    EXPECT_STREQ("abcx", c.GetText());

    CScriptString assigned("ab");
    assigned = "xyz12";
    EXPECT_EQ(6, assigned.GetCapacity());
    assigned = "q";
    EXPECT_EQ(6, assigned.GetCapacity());
    EXPECT_STREQ("q", assigned.GetText());
}

TEST(ScriptString, SelfAppendAndSelfSubstringReadNoFreedMemory)
{
    CScriptString s("abcdef");
    for (int i = 0; i < 10; ++i)
        s += s;
    EXPECT_EQ(6 * 1024, s.GetLength());
    EXPECT_EQ(0, std::string(s.GetText()).find("abcdefabcdef"));

    CScriptString t("0123456789");
    t.AssignSubstring(t, 2, 5);
    EXPECT_STREQ("234", t.GetText());
    t.Append(t.GetText() + 1, 2);
    EXPECT_STREQ("23434", t.GetText());
    t = t;
    EXPECT_STREQ("23434", t.GetText());
}

TEST(ScriptString, CharAtOutsideGivesEmptyText)
{
    CScriptString s("abc");
    EXPECT_EQ('b', *s.CharAt(1));
    EXPECT_STREQ("", s.CharAt(-1));
    EXPECT_STREQ("", s.CharAt(3));
    EXPECT_STREQ("", s.CharAt(1000));
}

TEST(ScriptString, ComparisonAndCase)
{
    CScriptString s("Hello");
    EXPECT_TRUE(s.Equals("Hello"));
    EXPECT_FALSE(s.Equals("hello"));
    EXPECT_EQ(0, s.CompareNoCase("HELLO"));
    EXPECT_LT(s.CompareNoCase("help"), 0);
    EXPECT_GT(s.CompareNoCase("HELL"), 0);
    // "_" sorts before letters, as the lower-casing comparison does.
    EXPECT_LT(CScriptString("_").CompareNoCase("A"), 0);
    s.MakeUpper();
    EXPECT_STREQ("HELLO", s.GetText());
    s.MakeLower();
    EXPECT_STREQ("hello", s.GetText());
}

TEST(ScriptString, RangeOperationsIgnoreBadPositions)
{
    CScriptString s("abcdef");
    s.Erase(1, 3);
    EXPECT_STREQ("adef", s.GetText());
    s.Erase(-1, 2);
    s.Erase(2, 9);
    s.Erase(3, 3);
    s.Erase(4, 5);
    EXPECT_STREQ("adef", s.GetText());
    s.Truncate(9);
    s.Truncate(-1);
    EXPECT_STREQ("adef", s.GetText());
    s.Truncate(2);
    EXPECT_STREQ("ad", s.GetText());
    EXPECT_EQ(2, s.GetLength());

    CScriptString source("hello");
    CScriptString sub("x");
    sub.AssignSubstring(source, 1, 3);
    EXPECT_STREQ("el", sub.GetText());
    sub.AssignSubstring(source, 3, 3);
    EXPECT_STREQ("", sub.GetText());
    sub.AssignSubstring(source, 0, 6);
    EXPECT_STREQ("", sub.GetText());
    sub.AssignSubstring(source, -1, 2);
    EXPECT_STREQ("", sub.GetText());
}

TEST(ScriptString, CharSets)
{
    CScriptString s("ab  \t");
    EXPECT_EQ(1, s.LastCharNotIn(" \t"));
    EXPECT_EQ(2, s.FirstCharIn(" \t"));
    EXPECT_EQ(5, s.FirstCharIn("xyz"));
    CScriptString blanks("   ");
    EXPECT_EQ(3, blanks.LastCharNotIn(" "));
    EXPECT_EQ(0, CScriptString().LastCharNotIn(" "));
    s.TrimRight(" \t");
    EXPECT_STREQ("ab", s.GetText());
    blanks.TrimRight(" ");
    EXPECT_STREQ("", blanks.GetText());
    EXPECT_EQ(0, blanks.GetLength());
}

TEST(ScriptString, FindNthOccurrence)
{
    CScriptString s("aaaa");
    EXPECT_EQ(1, s.FindNth("aa", true, 2));
    EXPECT_EQ(2, s.FindNth("aa", true, 3));
    EXPECT_EQ(4, s.FindNth("aa", true, 4));
    EXPECT_EQ(4, s.FindNth("aa", true, 0));
    EXPECT_EQ(2, s.FindNth("aa", true, -1));
    EXPECT_EQ(0, s.FindNth("aa", true, -3));
    EXPECT_LT(s.FindNth("aa", true, -4), 0);

    CScriptString bab("bab");
    EXPECT_EQ(1, bab.FindNth("a", true, -1));
    EXPECT_EQ(3, bab.FindNth("A", true, 1));
    EXPECT_EQ(1, bab.FindNth("A", false, 1));

    // A text longer than the string, an empty text, the most negative n.
    EXPECT_EQ(3, bab.FindNth("babab", true, 1));
    EXPECT_LT(bab.FindNth("babab", true, -1), 0);
    EXPECT_EQ(0, bab.FindNth("", true, 1));
    EXPECT_EQ(1, bab.FindNth("", true, 2));
    EXPECT_EQ(3, bab.FindNth("", true, -1));
    EXPECT_LT(bab.FindNth("b", true, -2147483647 - 1), 0);
}

TEST(ScriptString, ClearAndMoves)
{
    CScriptString s("abc");
    s.Clear();
    EXPECT_EQ(0, s.GetLength());
    EXPECT_EQ(1, s.GetCapacity());
    s += "x";
    CScriptString moved(std::move(s));
    EXPECT_STREQ("x", moved.GetText());
    CScriptString copy(moved);
    copy = 'z';
    EXPECT_STREQ("z", copy.GetText());
    EXPECT_STREQ("x", moved.GetText());
}
