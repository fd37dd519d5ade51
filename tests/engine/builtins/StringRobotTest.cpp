#include "RobotCases.h"

namespace {

// The string family as a robot runs it: robot file, loader, interpreter and
// the results written with the file built-ins.
TEST(StringRobot, EdgeCasesThroughARobotFile)
{
    const ExpressionCase cases[] = {
        {"StringMid(\"abcdef\", 2, 3)", "bcd", 0},
        {"StringMid(\"abcdef\", 5, 10)", "ef", 0},
        {"StringMid(\"abcdef\", 0, 3)", "", 0},
        {"StringLeft(\"abc\", 5)", "abc", 0},
        {"StringLeft(\"abc\", -1)", "", 0},
        {"StringRight(\"abc\", 2)", "bc", 0},
        {"StringTrimLeft(\"abc\", 1)", "bc", 0},
        {"StringTrimRight(\"abc\", 3)", "", 0},
        {"StringLen(\"abc\")", "3", 0},
        {"StringInStr(\"aXbxc\", \"x\")", "2", 0},
        {"StringInStr(\"aXbxc\", \"x\", 1)", "4", 0},
        {"StringInStr(\"aXbxc\", \"x\", 0, -1)", "4", 0},
        {"StringInStr(\"aXbxc\", \"q\")", "0", 0},
        {"StringInStr(\"abc\", \"b\", 0, 0)", "0", 1},
        {"StringUpper(\"abc\")", "ABC", 0},
        {"StringLower(\"ABC\")", "abc", 0},
        {"StringLen(StringAddCR(Chr(13) & Chr(10)))", "3", 0},
        {"StringLen(StringStripCR(Chr(13) & Chr(10)))", "1", 0},
        {"StringReplace(\"aaaa\", \"aa\", \"b\")", "bb", 0},
        {"StringReplace(\"aaaa\", \"aa\", \"b\", 1)", "baa", 0},
        {"StringReplace(\"aaaa\", \"\", \"b\")", "1", 0},
        {"StringStripWS(\"  a  b  \", 3)", "a  b", 0},
        {"StringStripWS(\"a   b\", 4)", "a b", 0},
        {"StringStripWS(\" a \" & Chr(9) & \" b \", 8)", "ab", 0},
        {"StringFormat(\"%d items\", 3.7)", "3 items", 0},
        {"StringFormat(\"%05.2f\", 3.14159)", "03.14", 0},
        {"StringFormat(\"50%%\")", "50%", 0},
        {"StringFormat(\"%d and %d\", 1) & \"<\"", "1 and <", 0},
        {"StringFormat(\"%n%d|%d\", 7)", "%n%d|7", 0},
        {"StringIsDigit(\"\")", "1", 0},
        {"StringIsFloat(\"-1.5\")", "1", 0},
        {"StringIsFloat(\"1e5\")", "0", 0},
        {"StringIsInt(\"+12\")", "1", 0},
        {"StringIsAlpha(\"abc\")", "1", 0},
        {"StringIsSpace(\"a \")", "0", 0},
    };
    ExpectRobotCases(cases);
}

TEST(StringRobot, SplitThroughARobotFile)
{
    const std::vector<std::string> lines = {
        "$a = StringSplit(\"a,b,,c\", \",\")",
        "FileWriteLine(\"%OUT%\", @error & \"|\" & $a[0] & \"|\" & $a[1] & \"|\" & $a[2] & \"|\" & $a[3] & \"|\" & "
        "$a[4])",
        "$a = StringSplit(\"abc\", \",\")",
        "FileWriteLine(\"%OUT%\", @error & \"|\" & $a[0] & \"|\" & $a[1])",
        "$a = StringSplit(\"abc\", \"\")",
        "FileWriteLine(\"%OUT%\", @error & \"|\" & $a[0] & \"|\" & $a[1] & \"|\" & $a[2] & \"|\" & $a[3])",
    };
    const scripttest::Result result = scripttest::RunScript(lines);
    EXPECT_TRUE(result.boxes.empty()) << result.FirstBox();
    const std::vector<std::string> expected = {"0|4|a|b||c", "1|1|abc", "0|3|a|b|c"};
    EXPECT_EQ(expected, result.OutputLines());
}

}  // namespace
