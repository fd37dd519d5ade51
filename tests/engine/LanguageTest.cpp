// The script language end to end: robot files run by runrobot.exe, each
// writing what it computes to its result file.
#include "tests/engine/ScriptRunSupport.h"
#include "tests/support/TextCase.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using scripttest::Result;
using Lines = std::vector<std::string>;

const TextCase kExpressions[] = {
    {"1 + 2 * 3", "7"},
    {"(1 + 2) * 3", "9"},
    {"2 ^ 3 ^ 2", "64"},
    {"-2 ^ 2", "4"},
    {"0 ^ 0", "1"},
    {"0 ^ -1", "1"},
    {"2 ^ -1", "0.5"},
    {"1 < 2 = 1", "1"},
    {"\"a\" = \"A\"", "1"},
    {"\"a\" == \"A\"", "0"},
    {"\"a\" == \"a\"", "1"},
    {"1 & 2 + 3", "15"},
    {"1 OR 0 AND 0", "0"},
    {"0 AND 1 OR 1", "1"},
    {"10 / 4", "2.5"},
    {"7 - 2 - 1", "4"},
    {"12 / 2 / 3", "2"},
    {"1 / 3", "0.333333333333333"},
    {"0.1 + 0.2", "0.3"},
    {"3.0", "3"},
    {"NOT 0", "1"},
    {"NOT 5", "0"},
    {"NOT 0 = 1", "1"},
    {"NOT \"\"", "1"},
    {"NOT \"0\"", "1"},
    {"NOT \"abc\"", "1"},
    {"NOT 0.5", "1"},
    {"NOT -0.5", "1"},
    {"NOT 2", "0"},
    {"\"0\" OR 0", "1"},
    {"\"abc\" < \"ABD\"", "1"},
    {"\"b\" > \"A\"", "1"},
    {"10 = \"10.0\"", "1"},
    {"\"10\" = \"10.0\"", "0"},
    {"3 >= 3", "1"},
    {"2 <= 1", "0"},
    {"1 <> 2", "1"},
    {"\"x\" <> \"X\"", "0"},
    {"\"0x1F\" + 1", "32"},
    {"\" 12abc\" + 0", "12"},
    {"\"abc\" * 1", "0"},
    {"-(3 - 5)", "2"},
    {"2 * -3", "-6"},
    {"- - 4", "4"},
    {"\"x\" & 1.5", "x1.5"},
    {"1 = 1 AND 2 = 2", "1"},
    {"(1 = 2) OR (3 = 3)", "1"},
    {"0x10 + 1", "17"},
    {"1e3", "1000"},
    {"2 + 3 & 4 * 5", "520"},
    {"1 + 2 = 3", "1"},
    {"\"a\" & \"b\" = \"ab\"", "1"},
    {"@TAB & \"|\"", "\t|"},
    {"@SW_MAXIMIZE + @SW_RESTORE", "12"},
    {"@COMPILED", "0"},
    {"@ERROR", "0"},
    {"@YEAR >= 2000 AND @YEAR < 10000", "1"},
    {"@MON >= \"01\" AND @MON <= \"12\"", "1"},
    {"@APPDATADIR <> \"\"", "1"},
    {"@WINDOWSDIR <> \"\" AND @TEMPDIR <> \"\" AND @WORKINGDIR <> \"\"", "1"},
    {"@OSTYPE", "WIN32_NT"},
    {"@CRLF == @CR & @LF", "1"},
    {"@SCRIPTNAME <> \"\"", "1"},
    {"@SCRIPTDIR & \"\\\" & @SCRIPTNAME == @SCRIPTFULLPATH", "1"},
};

Lines ExpressionScript()
{
    Lines lines;
    for (const TextCase& c : kExpressions)
        lines.push_back(std::string("FileWriteLine(\"%OUT%\", ") + c.input + ")");
    return lines;
}

// Every script of the suite runs in one runrobot.exe process.
class LanguageTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        const std::map<std::string, Lines> scripts = {
            {"expressions", ExpressionScript()},
            {"shortcircuit",
             {"$r = 1 OR Mark(\"or\")", "$r = 0 AND Mark(\"and\")", "$r = 0 OR Mark(\"ortaken\")",
              "$r = (1 AND 0) OR (0 AND Mark(\"nested\"))", "FileWriteLine(\"%OUT%\", \"end\")", "Func Mark($text)",
              "FileWriteLine(\"%OUT%\", $text)", "Return 1", "EndFunc"}},
            {"if",
             {"$x = 1",
              "If $x = 1 Then FileWriteLine(\"%OUT%\", \"single\")",
              "If $x = 2 Then FileWriteLine(\"%OUT%\", \"wrong\")",
              "If $x = 2 Then",
              "FileWriteLine(\"%OUT%\", \"wrong\")",
              "ElseIf $x = 1 Then",
              "FileWriteLine(\"%OUT%\", \"elseif\")",
              "Else",
              "FileWriteLine(\"%OUT%\", \"wrong\")",
              "EndIf",
              "If $x = 1 Then",
              "FileWriteLine(\"%OUT%\", \"then\")",
              "Else",
              "FileWriteLine(\"%OUT%\", \"wrong\")",
              "EndIf",
              "If 0 Then",
              "Else",
              "FileWriteLine(\"%OUT%\", \"else\")",
              "EndIf",
              "If 1 Then",
              "If 0 Then",
              "FileWriteLine(\"%OUT%\", \"wrong\")",
              "EndIf",
              "FileWriteLine(\"%OUT%\", \"nested\")",
              "EndIf",
              "If 0 Then",
              "FileWriteLine(\"%OUT%\", \"wrong\")",
              "EndIf",
              "FileWriteLine(\"%OUT%\", \"end\")"}},
            {"loops",
             {"For $i = 1 To 3",
              "FileWriteLine(\"%OUT%\", \"for\" & $i)",
              "Next",
              "FileWriteLine(\"%OUT%\", \"after\" & $i)",
              "For $j = 3 To 1 Step -1",
              "FileWriteLine(\"%OUT%\", \"down\" & $j)",
              "Next",
              "For $k = 1 To 0",
              "FileWriteLine(\"%OUT%\", \"never\")",
              "Next",
              "For $f = 0 To 1 Step 0.5",
              "FileWriteLine(\"%OUT%\", \"half\" & $f)",
              "Next",
              "$n = 0",
              "While $n < 2",
              "$n = $n + 1",
              "FileWriteLine(\"%OUT%\", \"while\" & $n)",
              "WEnd",
              "$d = 0",
              "Do",
              "$d = $d + 1",
              "Until $d >= 3",
              "FileWriteLine(\"%OUT%\", \"do\" & $d)",
              "$a = 0",
              "While 1",
              "$a = $a + 1",
              "While 1",
              "ExitLoop 2",
              "WEnd",
              "WEnd",
              "FileWriteLine(\"%OUT%\", \"exit2 \" & $a)",
              "For $c = 1 To 4",
              "If $c = 2 Then ContinueLoop",
              "FileWriteLine(\"%OUT%\", \"cont\" & $c)",
              "Next",
              "$w = 0",
              "While 1",
              "$w = $w + 1",
              "If $w = 3 Then",
              "ExitLoop",
              "EndIf",
              "WEnd",
              "FileWriteLine(\"%OUT%\", \"exitif\" & $w)",
              "While 1",
              "ExitLoop 0",
              "WEnd",
              "FileWriteLine(\"%OUT%\", \"end\")"}},
            // End values that cannot be ordered skip the loop; the ExitLoop
            // keeps a wrongly entered loop from running forever.
            {"unorderedends",
             {"For $u = 0 To 0/0", "FileWriteLine(\"%OUT%\", \"nan\")", "ExitLoop", "Next",
              "For $u = 0 To Sqrt(-1) Step -1", "FileWriteLine(\"%OUT%\", \"nandown\")", "ExitLoop", "Next",
              "Dim $ends[2]", "For $u = 1 To $ends", "FileWriteLine(\"%OUT%\", \"array\")", "ExitLoop", "Next",
              "FileWriteLine(\"%OUT%\", \"end\")"}},
            {"select",
             {"$s = 2",
              "Select",
              "Case $s = 1",
              "FileWriteLine(\"%OUT%\", \"one\")",
              "Case $s = 2",
              "FileWriteLine(\"%OUT%\", \"two\")",
              "Case Else",
              "FileWriteLine(\"%OUT%\", \"else\")",
              "EndSelect",
              "Select",
              "Case 0",
              "FileWriteLine(\"%OUT%\", \"never\")",
              "EndSelect",
              "Select",
              "Case 0",
              "Case Else",
              "FileWriteLine(\"%OUT%\", \"caseelse\")",
              "EndSelect",
              "Select",
              "Case 1",
              "Select",
              "Case 1",
              "FileWriteLine(\"%OUT%\", \"inner\")",
              "EndSelect",
              "Case 1",
              "FileWriteLine(\"%OUT%\", \"never\")",
              "EndSelect",
              "FileWriteLine(\"%OUT%\", \"end\")"}},
            {"functions",
             {"FileWriteLine(\"%OUT%\", Add(2, 3))",
              "$g = 10",
              "SetLocal()",
              "FileWriteLine(\"%OUT%\", \"g\" & $g)",
              "$v = 1",
              "Bump($v)",
              "FileWriteLine(\"%OUT%\", \"v\" & $v)",
              "Dim $arr[3]",
              "$arr[1] = 5",
              "Bump($arr[1])",
              "FileWriteLine(\"%OUT%\", \"arr\" & $arr[1])",
              "FileWriteLine(\"%OUT%\", Fact(10))",
              "FileWriteLine(\"%OUT%\", Depth(384))",
              "FileWriteLine(\"%OUT%\", \"none\" & NoReturn())",
              "FileWriteLine(\"%OUT%\", Add(Add(1, 2), Add(3, 4)))",
              "Func Add($a, $b)",
              "Return $a + $b",
              "EndFunc",
              "Func SetLocal()",
              "Local $g = 99",
              "$h = 1",
              "EndFunc",
              "Func Bump(ByRef $p)",
              "$p = $p + 1",
              "EndFunc",
              "Func Fact($n)",
              "If $n <= 1 Then Return 1",
              "Return $n * Fact($n - 1)",
              "EndFunc",
              "Func Depth($n)",
              "If $n <= 1 Then Return 1",
              "Return 1 + Depth($n - 1)",
              "EndFunc",
              "Func NoReturn()",
              "$unused = 1",
              "EndFunc"}},
            {"arrays",
             {"Dim $m[2][3]", "$m[1][2] = \"x\"", "$m[0][0] = 5", "FileWriteLine(\"%OUT%\", $m[1][2] & $m[0][0])",
              "ReDim $m[3][4]", "FileWriteLine(\"%OUT%\", $m[1][2] & $m[0][0] & \"|\" & $m[2][3])", "Dim $z[2] = 7",
              "FileWriteLine(\"%OUT%\", $z)", "Local $l1 = 1, $l2[2]", "$l2[1] = $l1 + 1",
              "FileWriteLine(\"%OUT%\", $l2[1])", "Dim $idx[3]", "$idx[2] = 1", "$idx[$idx[2]] = 9",
              "FileWriteLine(\"%OUT%\", $idx[1])", "Dim $half[0.5]",
              "FileWriteLine(\"%OUT%\", \"half\" & UBound($half) & @error & IsArray($half))"}},
            {"labels",
             {"$t = 0", "TAG $top", "$t = $t + 1", "FileWriteLine(\"%OUT%\", \"pass\" & $t)",
              "If $t < 3 Then GOTO $top", "GOTO $nowhere", "For $q = 1 To 5", "If $q = 2 Then GOTO $out", "Next",
              "TAG $out", "FileWriteLine(\"%OUT%\", \"out\" & $q)", "FileWriteLine(\"%OUT%\", \"done\")"}},
            {"forglobal",
             {"Global $fg = 0", "CountUp()", "FileWriteLine(\"%OUT%\", \"fg\" & $fg)", "Func CountUp()",
              "For $fg = 1 To 3", "Next", "EndFunc"}},
            {"appends",
             {"$c = 5", "$c = $c & $c", "$c = $c & 0.5", "FileWriteLine(\"%OUT%\", $c)", "Opt(\"ExpandEnvStrings\", 1)",
              "$s = \"\"", "For $i = 1 To 3", "EnvSet(\"Q1PASS\", $i)", "$s = $s & \"%Q1PASS%\"", "Next",
              "Opt(\"ExpandEnvStrings\", 0)", "FileWriteLine(\"%OUT%\", $s)"}},
            {"exit", {"FileWriteLine(\"%OUT%\", \"before\")", "Exit", "FileWriteLine(\"%OUT%\", \"after\")"}},
            {"comments",
             {"; a comment", "", "FileWriteLine(\"%OUT%\", \"a\") ; trailing", "FileWriteLine(\"%OUT%\", \"b\")",
              "; last"}},
        };
        std::vector<Lines> all;
        for (const auto& entry : scripts) {
            s_names.push_back(entry.first);
            all.push_back(entry.second);
        }
        s_results = new std::vector<Result>(scripttest::RunScripts(all));
    }

    static void TearDownTestSuite()
    {
        delete s_results;
        s_results = nullptr;
    }

    static const Result& Run(const std::string& name)
    {
        for (size_t i = 0; i < s_names.size(); ++i)
            if (s_names[i] == name)
                return (*s_results)[i];
        static Result none;
        return none;
    }

    static void ExpectLines(const std::string& name, const Lines& expected)
    {
        const Result& result = Run(name);
        EXPECT_EQ(0, result.outcome) << name;
        EXPECT_TRUE(result.boxes.empty()) << name << ": " << result.FirstBox();
        EXPECT_EQ(expected, result.OutputLines()) << name;
    }

    static std::vector<std::string> s_names;
    static std::vector<Result>* s_results;
};

std::vector<std::string> LanguageTest::s_names;
std::vector<Result>* LanguageTest::s_results = nullptr;

TEST_F(LanguageTest, OperatorsPrecedenceAndConversions)
{
    const Result& result = Run("expressions");
    ASSERT_TRUE(result.boxes.empty()) << result.FirstBox();
    const Lines lines = result.OutputLines();
    ASSERT_EQ(sizeof kExpressions / sizeof kExpressions[0], lines.size());
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(kExpressions[i].expected, lines[i]) << kExpressions[i].input;
}

TEST_F(LanguageTest, AndOrSkipTheirRightOperand)
{
    ExpectLines("shortcircuit", {"ortaken", "end"});
}

TEST_F(LanguageTest, IfElseIfElse)
{
    ExpectLines("if", {"single", "elseif", "then", "else", "nested", "end"});
}

TEST_F(LanguageTest, LoopsAndEarlyExits)
{
    ExpectLines("loops", {"for1", "for2", "for3", "after4", "down3", "down2", "down1", "half0", "half0.5", "half1",
                          "while1", "while2", "do3", "exit2 1", "cont1", "cont3", "cont4", "exitif3", "end"});
}

TEST_F(LanguageTest, ForSkipsEndValuesThatCannotBeOrdered)
{
    ExpectLines("unorderedends", {"end"});
}

TEST_F(LanguageTest, SelectCase)
{
    ExpectLines("select", {"two", "caseelse", "inner", "end"});
}

TEST_F(LanguageTest, UserFunctionsRecursionByRefAndLocals)
{
    ExpectLines("functions", {"5", "g10", "v2", "arr6", "3628800", "384", "none0", "10"});
}

TEST_F(LanguageTest, ForInsideAFunctionCountsInTheGlobalItFinds)
{
    ExpectLines("forglobal", {"fg4"});
}

TEST_F(LanguageTest, ArraysDimReDimAndLists)
{
    ExpectLines("arrays", {"x5", "x5|0", "7", "2", "9", "half011"});
}

TEST_F(LanguageTest, LabelsAndGoto)
{
    ExpectLines("labels", {"pass1", "pass2", "pass3", "out2", "done"});
}

// The environment is read when a line runs, on every pass of a loop.
TEST_F(LanguageTest, AppendsAndExpandedStringsInLoops)
{
    ExpectLines("appends", {"550.5", "123"});
}

TEST_F(LanguageTest, ExitEndsTheScript)
{
    ExpectLines("exit", {"before"});
}

TEST_F(LanguageTest, CommentsAndEmptyLines)
{
    ExpectLines("comments", {"a", "b"});
}

}  // namespace
