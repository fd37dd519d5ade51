#include "ExpressionCases.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(StringBuiltins, LengthAndPieces)
{
    const ExpressionCase cases[] = {
        {"StringLen('abc')", "3", 0},
        {"StringLen('')", "0", 0},
        {"StringLen(12.50)", "4", 0},
        {"StringLeft('abc', 5)", "abc", 0},
        {"StringLeft('abc', 2)", "ab", 0},
        {"StringLeft('abc', 0)", "", 0},
        {"StringLeft('abc', -1)", "", 0},
        {"StringLeft('abc', 1e10)", "abc", 0},
        {"StringRight('abc', 2)", "bc", 0},
        {"StringRight('abc', 5)", "abc", 0},
        {"StringRight('abc', 0)", "", 0},
        {"StringRight('abc', -2)", "", 0},
        {"StringMid('abcdef', 2, 3)", "bcd", 0},
        {"StringMid('abcdef', 5, 10)", "ef", 0},
        {"StringMid('abcdef', 0, 3)", "", 0},
        {"StringMid('abcdef', 7, 1)", "", 0},
        {"StringMid('abcdef', 6, 1)", "f", 0},
        {"StringMid('abcdef', 2, 0)", "", 0},
        {"StringMid('abcdef', 2, -1)", "", 0},
        {"StringMid('abcdef', 2, 1e10)", "bcdef", 0},
        {"StringMid('abcdef', 1e10, 1e10)", "", 0},
        {"StringTrimLeft('abc', 1)", "bc", 0},
        {"StringTrimLeft('abc', 0)", "abc", 0},
        {"StringTrimLeft('abc', 3)", "", 0},
        {"StringTrimLeft('abc', -1)", "", 0},
        {"StringTrimRight('abc', 1)", "ab", 0},
        {"StringTrimRight('abc', 3)", "", 0},
        {"StringTrimRight('abc', -1)", "", 0},
        {"StringTrimRight('abc', 0)", "abc", 0},
    };
    ExpectCases(cases);
}

TEST(StringBuiltins, InStrWithCaseAndOccurrence)
{
    const ExpressionCase cases[] = {
        {"StringInStr('aXbxc', 'x')", "2", 0},
        {"StringInStr('aXbxc', 'x', 1)", "4", 0},
        {"StringInStr('aXbxc', 'x', 0, -1)", "4", 0},
        {"StringInStr('aXbxc', 'X', 1, -1)", "2", 0},
        {"StringInStr('aXbxc', 'q')", "0", 0},
        {"StringInStr('aaaa', 'aa', 0, 2)", "2", 0},
        {"StringInStr('aaaa', 'aa', 0, -1)", "3", 0},
        {"StringInStr('aaaa', 'aa', 0, 4)", "0", 0},
        {"StringInStr('aaaa', 'aa', 0, -4)", "0", 0},
        {"StringInStr('abc', 'b', 0, 0)", "0", 1},
        {"StringInStr('abc', '')", "1", 0},
        {"StringInStr('', 'a')", "0", 0},
        {"StringInStr('abc', '', 1, 2)", "2", 0},
        {"StringInStr('abc', '', 0, -1)", "4", 0},
        {"StringInStr('', '')", "0", 0},
        {"StringInStr('abc', 'c')", "3", 0},
        {"StringInStr(12345, 34)", "3", 0},
    };
    ExpectCases(cases);
}

TEST(StringBuiltins, CaseAndLineEnds)
{
    const ExpressionCase cases[] = {
        {"StringLower('AbC1')", "abc1", 0},
        {"StringUpper('AbC1')", "ABC1", 0},
        {"StringStripCR('a' & Chr(13) & Chr(10) & 'b' & Chr(13))", "a\nb", 0},
        {"StringAddCR(Chr(13) & Chr(10))", "\r\r\n", 0},
        {"StringAddCR('a' & Chr(10) & 'b' & Chr(10))", "a\r\nb\r\n", 0},
        {"StringAddCR('ab')", "ab", 0},
        {"StringStripCR('')", "", 0},
        {"StringLower('\xC9T\xC9')", "\xE9t\xE9", 0},
        {"StringUpper('\xE9t\xE9')", "\xC9T\xC9", 0},
    };
    ExpectCases(cases);
}

TEST(StringBuiltins, Replace)
{
    const ExpressionCase cases[] = {
        {"StringReplace('aaaa', 'aa', 'b')", "bb", 0},        {"StringReplace('aaaa', 'aa', 'b', 1)", "baa", 0},
        {"StringReplace('aaaa', '', 'b')", "1", 0},           {"StringReplace('aXbx', 'x', '-')", "a-b-", 0},
        {"StringReplace('aXbx', 'x', '-', 0, 1)", "aXb-", 0}, {"StringReplace('abc', 'b', 'bb')", "abbc", 0},
        {"StringReplace('abc', 'b', 'x', -1)", "abc", 0},     {"StringReplace('abab', 'AB', '')", "", 0},
        {"StringReplace('abc', 'zz', 'y')", "abc", 0},        {"StringReplace('a.b.c', '.', '..', 5)", "a..b..c", 0},
    };
    ExpectCases(cases);

    CBuiltinScriptRunner runner;
    ASSERT_TRUE(runner.Run({"$v = StringReplace('aaaa', '', 'b')"}));
    EXPECT_EQ(CScriptValue::KIND_NUMBER, runner.Var("v").GetKind());
}

// Splits in a script and joins the parts as "count|part|part...", with @error.
std::string SplitInScript(CBuiltinScriptRunner& runner, const std::string& text, const std::string& delimiters)
{
    const bool ok = runner.Run({"$a = StringSplit('" + text + "', '" + delimiters + "')", "$e = @error", "$j = $a[0]",
                                "For $i = 1 To $a[0]", "$j = $j & '|' & $a[$i]", "Next"});
    return (ok ? "" : "failed ") + runner.Text("j") + " e" + runner.Text("e");
}

TEST(StringBuiltins, Split)
{
    CBuiltinScriptRunner runner;
    EXPECT_EQ("4|a|b||c e0", SplitInScript(runner, "a,b,,c", ","));
    EXPECT_EQ("3|a|b|c e0", SplitInScript(runner, "a;b c", "; "));
    EXPECT_EQ("1|abc e1", SplitInScript(runner, "abc", ","));
    EXPECT_EQ("1| e1", SplitInScript(runner, "", ","));
    EXPECT_EQ("3|a|b|c e0", SplitInScript(runner, "abc", ""));
    EXPECT_EQ("0 e0", SplitInScript(runner, "", ""));
    EXPECT_EQ("3||a| e0", SplitInScript(runner, ",a,", ","));
    EXPECT_EQ("3|a|b|c e0", SplitInScript(runner, "a,b;c", ";,"));
}

TEST(StringBuiltins, SplitBeyondTheArrayLimitSetsError)
{
    CBuiltinScriptRunner runner;
    // 2^24 chars: one element more than an array may hold when split into
    // chars, and 2^24 + 1 parts when every char is a delimiter.
    ASSERT_TRUE(
        runner.Run({"$s = 'a'", "For $i = 1 To 24", "$s = $s & $s", "Next", "$v = StringSplit($s, '')", "$e = @error",
                    "$s = StringReplace($s, 'a', ',')", "$w = StringSplit($s, ',')", "$f = @error"}));
    EXPECT_EQ("1", runner.Text("v"));
    EXPECT_EQ(2, runner.Var("e").GetInteger());
    EXPECT_EQ("1", runner.Text("w"));
    EXPECT_EQ(2, runner.Var("f").GetInteger());
}

TEST(StringBuiltins, StripWhiteSpace)
{
    const ExpressionCase cases[] = {
        {"StringStripWS('  a  b  ', 1)", "a  b  ", 0},
        {"StringStripWS('  a  b  ', 2)", "  a  b", 0},
        {"StringStripWS('  a  b  ', 3)", "a  b", 0},
        {"StringStripWS('a   b', 4)", "a b", 0},
        {"StringStripWS('   a', 4)", " a", 0},
        {"StringStripWS('  a   b  ', 7)", "a b", 0},
        {"StringStripWS(' a ' & Chr(9) & ' b ', 8)", "ab", 0},
        {"StringStripWS(' a ' & Chr(9) & ' b ', 15)", "ab", 0},
        {"StringStripWS(' a  b ', 0)", " a  b ", 0},
        {"StringStripWS('a' & Chr(9) & Chr(10) & 'b', 4)", "a\tb", 0},
        {"StringStripWS('a' & Chr(160) & Chr(160) & 'b', 4)",
         "a\xA0\xA0"
         "b",
         0},
        {"StringStripWS('    ', 3)", "", 0},
    };
    ExpectCases(cases);

    CBuiltinScriptRunner runner;
    ASSERT_TRUE(runner.Run({"Dim $a[2]", "$v = StringStripWS($a, 1)", "$e = @error"}));
    EXPECT_EQ("1", runner.Text("v"));
    EXPECT_EQ(1, runner.Var("e").GetInteger());
}

TEST(StringBuiltins, Format)
{
    const ExpressionCase cases[] = {
        {"StringFormat('%d items', 3.7)", "3 items", 0},
        {"StringFormat('%05.2f', 3.14159)", "03.14", 0},
        {"StringFormat('50%%')", "50%", 0},
        {"StringFormat('a\\tb')", "a\tb", 0},
        {"StringFormat('\\n\\r\\%')", "\n\r%", 0},
        {"StringFormat('%d and %d', 1)", "1 and ", 0},
        {"StringFormat('%d')", "", 0},
        {"StringFormat('x%d')", "x", 0},
        {"StringFormat('%d %d', 1, 2, 3)", "1 2", 0},
        {"StringFormat('%s|%5s|%-5s|', 'ab', 'cd', 'ef')", "ab|   cd|ef   |", 0},
        {"StringFormat('%x %X %o %u', 255, 255, 8, -1)", "ff FF 10 4294967295", 0},
        {"StringFormat('%x', 4294967295)", "ffffffff", 0},
        {"StringFormat('%x|%d', '1e3', '1e3')", "1|1", 0},
        {"StringFormat('%+d|% d|%#x', 5, 5, 255)", "+5| 5|0xff", 0},
        {"StringFormat('%ld|%5.2lf|%hd', 7, 2.5, 3)", "7| 2.50|3", 0},
        {"StringFormat('%.3s', 'abcdef')", "abc", 0},
        {"StringFormat('%e', 12345.678)", "1.234568e+04", 0},
        {"StringFormat('%g|%G', 0.0001, 1e20)", "0.0001|1E+20", 0},
        {"StringFormat('%d', 'abc')", "0", 0},
        {"StringFormat('%i', '42')", "42", 0},
        {"StringFormat('%s', 3.5)", "3.5", 0},
        {"StringFormat('%d', 1e20)", "2147483647", 0},
        {"StringFormat('C:\\dir\\file')", "C:\\dir\\file", 0},
        {"StringFormat('a\\\\b')", "a\\b", 0},
        {"StringFormat('end\\')", "end\\", 0},
        {"StringFormat('%5', 1)", "%5", 0},
    };
    ExpectCases(cases);
}

TEST(StringBuiltins, FormatPassesUnsafeConversionsThroughUnchanged)
{
    const ExpressionCase cases[] = {
        {"StringFormat('%n|%d', 5)", "%n|%d", 0},
        {"StringFormat('%*d|%d', 5, 6)", "%*d|5", 0},
        {"StringFormat('%1$d|%d', 5)", "%1$d|5", 0},
        {"StringFormat('%lld|%d', 5)", "%lld|5", 0},
        {"StringFormat('%Lf|%d', 5)", "%Lf|5", 0},
        {"StringFormat('%I64d|%d', 5)", "%I64d|5", 0},
        {"StringFormat('%jd %zd %td|%d', 5)", "%jd %zd %td|5", 0},
        {"StringFormat('%12345d|%d', 5)", "%12345d|5", 0},
        {"StringFormat('%.12345f|%d', 5)", "%.12345f|5", 0},
        {"StringFormat('%-5q|%d', 5)", "%-5q|%d", 0},
        {"StringFormat('%-5q|%d|%d', 5)", "%-5q|%d|5", 0},
    };
    ExpectCases(cases);

    CBuiltinScriptRunner runner;
    ASSERT_TRUE(
        runner.Run({"$v = StringFormat('%1234d', 7)", "$w = StringFormat('%9999.9999f', 1e300)", "$s = 'x'",
                    "For $i = 1 To 17", "$s = $s & $s", "Next", "$t = StringFormat('<%s>', StringLeft($s, 65535))",
                    "$u = StringFormat('<%s>', $s & 'y')", "$s = StringFormat($s & '<%d>', 5)"}));
    EXPECT_EQ(std::string(1233, ' ') + "7", runner.Text("v"));
    EXPECT_EQ(10000u + 301u, runner.Text("w").size());
    // Text for "%s" is cut to 65,535 chars; literal text is never cut.
    EXPECT_EQ("<" + std::string(65535, 'x') + ">", runner.Text("t"));
    EXPECT_EQ("<" + std::string(65535, 'x') + ">", runner.Text("u"));
    EXPECT_EQ(std::string(131072, 'x') + "<5>", runner.Text("s"));
}

TEST(StringBuiltins, CharacterClasses)
{
    const ExpressionCase cases[] = {
        {"StringIsDigit('')", "1", 0},          {"StringIsDigit('123')", "1", 0},
        {"StringIsDigit('12a')", "0", 0},       {"StringIsDigit('a12')", "0", 0},
        {"StringIsDigit(Chr(178))", "0", 0},    {"StringIsXDigit('09afAF')", "1", 0},
        {"StringIsXDigit('g')", "0", 0},        {"StringIsSpace(' ' & Chr(9) & Chr(10))", "1", 0},
        {"StringIsSpace('a ')", "0", 0},        {"StringIsSpace(Chr(160))", "0", 0},
        {"StringIsAscii('abc~')", "1", 0},      {"StringIsAscii('a' & Chr(200))", "0", 0},
        {"StringIsAlpha('abcXYZ')", "1", 0},    {"StringIsAlpha('ab1')", "0", 0},
        {"StringIsAlnum('ab1')", "1", 0},       {"StringIsAlnum('ab_')", "0", 0},
        {"StringIsLower('abc')", "1", 0},       {"StringIsLower('aBc')", "0", 0},
        {"StringIsUpper('ABC')", "1", 0},       {"StringIsUpper('ABc')", "0", 0},
        {"StringIsAlpha('')", "1", 0},          {"StringIsUpper('')", "1", 0},
        {"StringIsAlpha('\xE9t\xE9')", "1", 0}, {"StringIsLower('\xE9t\xE9')", "1", 0},
        {"StringIsUpper('\xC9')", "1", 0},      {"StringIsDigit('\xB2\xB3')", "0", 0},
    };
    ExpectCases(cases);
}

TEST(StringBuiltins, NumberGrammarsInScripts)
{
    const ExpressionCase cases[] = {
        {"StringIsFloat('-1.5')", "1", 0}, {"StringIsFloat('1e5')", "0", 0}, {"StringIsFloat('12')", "0", 0},
        {"StringIsFloat('12.')", "1", 0},  {"StringIsFloat(1.5)", "1", 0},   {"StringIsInt('+12')", "1", 0},
        {"StringIsInt('-')", "0", 0},      {"StringIsInt(12)", "1", 0},      {"StringIsInt('1.0')", "0", 0},
    };
    ExpectCases(cases);
}

TEST(StringBuiltins, ArgumentCountsComeFromTheTable)
{
    CBuiltinScriptRunner runner;
    EXPECT_FALSE(runner.Run({"$v = StringInStr('a')"}));
    EXPECT_FALSE(runner.Run({"$v = StringReplace('a', 'b', 'c', 0, 0, 0)"}));
    EXPECT_TRUE(
        runner.Run({"$v = StringFormat('%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d%d',"
                    " 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9,"
                    " 0, 1, 2)"}));
    EXPECT_EQ("12345678901234567890123456789012", runner.Text("v"));
    EXPECT_FALSE(
        runner.Run({"$v = StringFormat('%d', 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9,"
                    " 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3)"}));
    EXPECT_EQ(3u, runner.Boxes().size());
}

}  // namespace
