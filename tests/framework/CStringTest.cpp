#include "framework/CString.h"

#include "framework/CharacterSearch.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

TEST(CStringTest, LeftMidRightClampTheirArguments)
{
    const CString text("abcdef");
    EXPECT_EQ(text.Left(-3), "");
    EXPECT_EQ(text.Left(0), "");
    EXPECT_EQ(text.Left(2), "ab");
    EXPECT_EQ(text.Left(99), "abcdef");

    EXPECT_EQ(text.Mid(-5), "abcdef");
    EXPECT_EQ(text.Mid(4), "ef");
    EXPECT_EQ(text.Mid(6), "");
    EXPECT_EQ(text.Mid(60), "");
    EXPECT_EQ(text.Mid(2, 3), "cde");
    EXPECT_EQ(text.Mid(2, -1), "");
    EXPECT_EQ(text.Mid(-2, 3), "abc");
    EXPECT_EQ(text.Mid(4, 100), "ef");

    EXPECT_EQ(text.Right(-1), "");
    EXPECT_EQ(text.Right(2), "ef");
    EXPECT_EQ(text.Right(100), "abcdef");
    EXPECT_EQ(CString().Mid(0, 5), "");
}

TEST(CStringTest, FindAnswersMinusOneWhenAbsentOrStartIsPastTheEnd)
{
    const CString text("a,b,,c");
    EXPECT_EQ(text.Find(','), 1);
    EXPECT_EQ(text.Find(',', 2), 3);
    EXPECT_EQ(text.Find(',', -4), 1);
    EXPECT_EQ(text.Find(',', 6), -1);
    EXPECT_EQ(text.Find(',', 100), -1);
    EXPECT_EQ(text.Find('x'), -1);
    EXPECT_EQ(text.Find(",,"), 3);
    EXPECT_EQ(text.Find(",,", 4), -1);
    EXPECT_EQ(text.Find("c", 100), -1);
    EXPECT_EQ(text.Find(""), 0);
    EXPECT_EQ(text.ReverseFind(','), 4);
    EXPECT_EQ(text.ReverseFind('x'), -1);
    EXPECT_EQ(text.FindOneOf("cb"), 2);
}

TEST(CStringTest, FindNthAndLastOccurrence)
{
    const CString text("x=1;x=2;x=3");
    EXPECT_EQ(text.FindNth("x=", 1), 0);
    EXPECT_EQ(text.FindNth("x=", 3), 8);
    EXPECT_EQ(text.FindNth("x=", 4), -1);
    EXPECT_EQ(text.FindNth("x=", 0), -1);
    EXPECT_EQ(text.FindNth("", 1), -1);
    EXPECT_EQ(CString("aaaa").FindNth("aa", 2), 2);
    EXPECT_EQ(text.FindLast("x="), 8);
    EXPECT_EQ(text.FindLast("y"), -1);
}

// "表示" is 95 5C 8E A6 in code page 932: its first character's second byte is
// that of "\". Code page 1252 reads the same bytes as four characters, as the
// program always has. The first "\" is sought from position 1, which lies
// inside a character where a text begins with "表".
TEST(CStringTest, SearchesStepByCharacterOfTheCodePage)
{
    struct Row
    {
        const char* label;
        UINT codePage;
        const char* text;
        int backslashFrom1;
        int lastBackslash;
        int lastDot;
        int firstForbidden;
        bool endsInBackslash;
    };
    const Row rows[] = {
        {"1252 robot path", 1252, "C:\\script\\Robot 1.txt", 2, 9, 17, 1, false},
        {"932 robot path", 932, "C:\\script\\Robot 1.txt", 2, 9, 17, 1, false},
        {"1252 path of the bytes of 表示", 1252, "C:\\s\\\x95\x5C\x8E\xA6.txt", 2, 6, 9, 1, false},
        {"932 path of 表示", 932, "C:\\s\\\x95\x5C\x8E\xA6.txt", 2, 4, 9, 1, false},
        {"1252 bytes of 表示", 1252, "\x95\x5C\x8E\xA6", 1, 1, -1, 1, false},
        {"932 name 表示", 932, "\x95\x5C\x8E\xA6", -1, -1, -1, -1, false},
        {"932 name 表示?", 932, "\x95\x5C\x8E\xA6?", -1, -1, -1, 4, false},
        {"1252 folder of the bytes of 表", 1252, "C:\\s\\\x95\x5C", 2, 6, -1, 1, true},
        {"932 folder 表", 932, "C:\\s\\\x95\x5C", 2, 4, -1, 1, false},
        {"932 lead bytes in a row, then \\", 932, "\x95\x95\x95\x5C\\", 4, 4, -1, 4, true},
        {"932 lead bytes in a row after a", 932, "a\x95\x95\x95\x5C", -1, -1, -1, -1, false},
    };
    const char kForbidden[] = "\\/:*?\"<>|";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const std::string text = row.text;
        EXPECT_EQ(FindCharacterIn(text, '\\', 1, row.codePage), row.backslashFrom1);
        EXPECT_EQ(FindTextIn(text, "\\", 1, row.codePage), row.backslashFrom1);
        EXPECT_EQ(ReverseFindCharacterIn(text, '\\', row.codePage), row.lastBackslash);
        EXPECT_EQ(ReverseFindCharacterIn(text, '.', row.codePage), row.lastDot);
        EXPECT_EQ(FindOneOfIn(text, kForbidden, row.codePage), row.firstForbidden);
        EXPECT_EQ(EndsWithCharacter(text, '\\', row.codePage), row.endsInBackslash);
        if (row.codePage == GetACP()) {
            const CString string(row.text);
            EXPECT_EQ(string.Find('\\', 1), row.backslashFrom1);
            EXPECT_EQ(string.ReverseFind('\\'), row.lastBackslash);
            EXPECT_EQ(string.ReverseFind('.'), row.lastDot);
            EXPECT_EQ(string.FindOneOf(kForbidden), row.firstForbidden);
        }
    }
}

TEST(CStringTest, TrimAndRemove)
{
    CString text(" \t padded \r\n");
    EXPECT_EQ(CString(text).TrimLeft(), "padded \r\n");
    EXPECT_EQ(CString(text).TrimRight(), " \t padded");
    EXPECT_EQ(text.Trim(), "padded");
    EXPECT_EQ(CString("   ").Trim(), "");
    EXPECT_EQ(CString("xxaxx").TrimLeft('x'), "axx");
    EXPECT_EQ(CString("xxaxx").TrimRight('x'), "xxa");

    CString spaced("a b  c ");
    EXPECT_EQ(spaced.Remove(' '), 4);
    EXPECT_EQ(spaced, "abc");
}

TEST(CStringTest, ReplaceInsertDelete)
{
    CString text("one, two, three");
    EXPECT_EQ(text.Replace(", ", ";"), 2);
    EXPECT_EQ(text, "one;two;three");
    EXPECT_EQ(text.Replace("", "x"), 0);
    CString doubled("aa");
    EXPECT_EQ(doubled.Replace("a", "aa"), 2);
    EXPECT_EQ(doubled, "aaaa");

    CString edit("ace");
    edit.Insert(1, 'b');
    edit.Insert(100, "f");
    EXPECT_EQ(edit, "abcef");
    edit.Delete(3, 100);
    EXPECT_EQ(edit, "abc");
    edit.Delete(10);
    EXPECT_EQ(edit, "abc");
}

// 0xC4/0xE4 and 0xD6/0xF6 are A and O with diaeresis in the Western ANSI
// code page that the test prefix uses.
TEST(CStringTest, CaseFollowsTheAnsiCodePage)
{
    ASSERT_EQ(GetACP(), 1252u);
    EXPECT_EQ(CString("\xC4pfel \xD6L").CompareNoCase("\xE4PFEL \xF6l"), 0);
    EXPECT_NE(CString("\xC4pfel").Compare("\xE4pfel"), 0);
    EXPECT_LT(CString("apple").CompareNoCase("BANANA"), 0);
    EXPECT_GT(CString("b").CompareNoCase("A"), 0);
    EXPECT_LT(CString("ab").CompareNoCase("ABC"), 0);
    EXPECT_EQ(CString("\xE4"
                      "bc")
                  .MakeUpper(),
              "\xC4"
              "BC");
    EXPECT_EQ(CString("\xC4"
                      "BC")
                  .MakeLower(),
              "\xE4"
              "bc");
}

TEST(CStringTest, CompareOrdersBytesAsUnsigned)
{
    EXPECT_LT(CString("z").Compare("\xE4"), 0);
    EXPECT_LT(CString("a"), CString("b"));
    EXPECT_EQ(CString("a").Compare("a"), 0);
}

TEST(CStringTest, FormatHasNoLengthLimit)
{
    const std::string longText(100000, 'q');
    CString text;
    text.Format("[%s] %d %.15g", longText.c_str(), -42, 0.1);
    EXPECT_EQ(text.GetLength(), 100000 + 2 + 4 + 4);
    EXPECT_EQ(text.Right(8), " -42 0.1");
    text.AppendFormat("%05d", 7);
    EXPECT_EQ(text.Right(5), "00007");
    EXPECT_EQ(FormatString("%s=%u", "n", 3u), "n=3");
}

TEST(CStringTest, ConcatenationAndComparisonWithPlainText)
{
    CString text = "ab";
    text += 'c';
    text += "de";
    EXPECT_TRUE(text == "abcde");
    EXPECT_TRUE("abcde" == text);
    EXPECT_TRUE(text != "abc");
    EXPECT_EQ("<" + text + '>', "<abcde>");
    EXPECT_EQ(CString(nullptr), "");
    EXPECT_EQ(CString("abcdef", 3), "abc");
    EXPECT_EQ(CString('-', 3), "---");
    EXPECT_STREQ(static_cast<const char*>(text), "abcde");
    EXPECT_EQ(text[1], 'b');
    text.SetAt(0, 'A');
    EXPECT_EQ(text.GetAt(0), 'A');
}
