// Every fatal error of the interpreter, with its line, marker and message,
// and the faults that must end a run cleanly instead of crashing or looping.
#include "tests/engine/ScriptRunSupport.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using scripttest::Result;
using Lines = std::vector<std::string>;

// A script whose line `line` (1-based in the robot file's script section)
// fails with the message, the marker under `marked` (empty: no marker).
struct ErrorCase
{
    const char* name;
    Lines lines;
    int line;
    std::string marked;
    const char* message;
};

std::string Repeat(const std::string& text, int count)
{
    std::string result;
    for (int i = 0; i < count; ++i)
        result += text;
    return result;
}

std::vector<ErrorCase> Cases()
{
    const char* kInvalidKeyword = "Invalid keyword at the start of this line.";
    const char* kIllegalText = "Illegal text at the end of statement (one statement per line).";
    const char* kParseCall = "Error parsing function call.";
    const char* kParamCount = "Incorrect number of parameters in function call.";
    const char* kBadSubscript = "Array variable subscript badly formatted.";
    const char* kRange = "Array variable has incorrect number of subscripts or subscript dimension range exceeded.";
    const char* kAllocate = "Unable to allocate array - maximum total size is 16777216 elements.";
    const char* kUndeclared = "Variable used without being declared.";
    const char* kNeedsThen = "If statements must have a Then keyword.";
    const char* kBadFor = "\"For\" statement is badly formatted.\n\nShould be:\n\nFor $varname = nn To nn [Step nn]";
    const char* kOutsideLoop = "\"ExitLoop/ContinueLoop\" statements only valid from inside a For/Do/While loop.";
    const char* kSelectUnended = "\"Select\" statement is missing \"EndSelect\" or \"Case\" statement.";
    const char* kByRefNeedsVariable = "Expected a variable in user function call.";
    const char* kBadExpression = "Error in expression.";
    const char* kMissingBracket = "Missing right bracket ')' in expression.";
    const char* kBadFunc = "Badly formatted Func statement.";
    const char* kRecursion =
        "Recursion level has been exceeded - Orvantis Tapforge will quit to prevent stack overflow.";
    return {
        {"parse literal start", {"5 + 1"}, 1, "5", "Unable to parse line."},
        {"parse char", {"$p = 1 # 2"}, 1, "#", "Unable to parse line."},
        {"illegal text after call", {"Opt(\"ColorMode\", 0) 5"}, 1, "5", kIllegalText},
        {"illegal text after user call", {"F() 5", "Func F()", "EndFunc"}, 1, "5", kIllegalText},
        {"call without bracket", {"Opt \"x\""}, 1, "Opt", kParseCall},
        {"call not closed", {"Opt(\"ColorMode\", 0"}, 1, "0", kParseCall},
        {"too few arguments", {"$p = 1", "Opt(\"ColorMode\")"}, 2, "Opt", kParamCount},
        {"too many arguments", {"FileClose(1, 2)"}, 1, "FileClose", kParamCount},
        {"user function too many", {"$p = Add(1, 2, 3)", "Func Add($a, $b)", "EndFunc"}, 1, "3", kParamCount},
        {"user function too few", {"$p = Add(1)", "Func Add($a, $b)", "EndFunc"}, 1, "Add", kParamCount},
        {"user call not closed", {"$p = Add(1", "Func Add($a)", "EndFunc"}, 1, "Add", kParseCall},
        {"func name", {"Func 5()", "EndFunc"}, 1, "", "Badly formatted \"Func\" statement."},
        {"func duplicate", {"Func F()", "EndFunc", "Func F()", "EndFunc"}, 3, "", "Duplicate function name."},
        {"func bracket", {"Func F $a", "EndFunc"}, 1, "", kBadFunc},
        {"func parameter", {"Func F($a $b)", "EndFunc"}, 1, "$b", kBadFunc},
        {"func byref", {"Func F(ByRef 5)", "EndFunc"}, 1, "", kBadFunc},
        {"func trailing", {"Func F() 5", "EndFunc"}, 1, "", kIllegalText},
        {"func no endfunc",
         {"Func F()", "$p = 1", "Func G()", "EndFunc"},
         3,
         "",
         "Func statement has no matching EndFunc."},
        {"unknown function", {"$p = 1", "$p = Nope(1)"}, 2, "Nope", "Unknown function name."},
        {"recursion",
         {"$p = Deep(385)", "Func Deep($n)", "If $n <= 1 Then Return 1", "Return Deep($n - 1)", "EndFunc"},
         4,
         "",
         kRecursion},
        {"expression nesting",
         {"$p = " + Repeat("Id(", 4200) + "1" + Repeat(")", 4200), "Func Id($a)", "Return $a", "EndFunc"},
         1,
         "",
         kRecursion},
        {"keyword then", {"Then"}, 1, "", kInvalidKeyword},
        {"stray next", {"Next"}, 1, "", kInvalidKeyword},
        {"stray wend", {"WEnd"}, 1, "", kInvalidKeyword},
        {"stray until", {"Until 1"}, 1, "", kInvalidKeyword},
        {"stray else", {"Else"}, 1, "", kInvalidKeyword},
        {"stray elseif", {"ElseIf 1 Then"}, 1, "", kInvalidKeyword},
        {"stray endif", {"EndIf"}, 1, "", kInvalidKeyword},
        {"stray case", {"Case 1"}, 1, "", kInvalidKeyword},
        {"stray endselect", {"EndSelect"}, 1, "", kInvalidKeyword},
        {"mismatched next", {"While 1", "Next", "WEnd"}, 2, "", kInvalidKeyword},
        {"next in function of loop",
         {"For $fl = 1 To 2", "F()", "Next", "Func F()", "Next", "EndFunc"},
         5,
         "",
         kInvalidKeyword},
        {"if without then", {"If 1 Else"}, 1, "Else", kNeedsThen},
        {"elseif without then", {"If 0 Then", "ElseIf 1 Step", "EndIf"}, 2, "Step", kNeedsThen},
        {"two else",
         {"If 1 Then", "Else", "Else", "EndIf"},
         3,
         "",
         "Too many Else statements for matching If statement."},
        {"for variable", {"For 5 = 1 To 2", "Next"}, 1, "5", kBadFor},
        {"for to", {"For $fb = 1 Step 2", "Next"}, 1, "Step", kBadFor},
        {"exitloop outside", {"ExitLoop"}, 1, "", kOutsideLoop},
        {"exitloop 3", {"While 1", "While 1", "ExitLoop 3", "WEnd", "WEnd"}, 3, "", kOutsideLoop},
        {"continueloop outside", {"ContinueLoop"}, 1, "", kOutsideLoop},
        {"select without case", {"$p = 1", "Select", "$p = 2", "EndSelect"}, 2, "", kSelectUnended},
        {"select without end", {"Select", "Case 1"}, 1, "", kSelectUnended},
        {"dim no variable", {"Dim 5"}, 1, "Dim", "No variable given for \"Dim\", \"Local\" or \"Global\" statement."},
        {"dim size zero", {"Dim $d0[0]"}, 1, "", kBadSubscript},
        {"dim size nan", {"Dim $dn[0/0]"}, 1, "", kBadSubscript},
        {"dim size not closed", {"Dim $dc[2"}, 1, "", kBadSubscript},
        {"dim size below 1 read", {"Dim $dh[0.5]", "$p = $dh[0]"}, 2, "$dh", kRange},
        {"dim separator", {"Dim $ds 5"}, 1, "5", kBadSubscript},
        {"dim 65 subscripts",
         {"Dim $d65" + Repeat("[1]", 65)},
         1,
         "",
         "Too many subscripts used for an array - 64 is the maximum."},
        {"dim too big", {"Dim $dbig[4097][4096]"}, 1, "", kAllocate},
        {"dim huge", {"Dim $dhuge[1e10]"}, 1, "", kAllocate},
        {"assign array undeclared", {"$na[1] = 2"}, 1, "$na", "You must DIM an array before you can assign to it."},
        {"assign no equals", {"$ne 5"}, 1, "5", "Expected a = operator in assignment statement."},
        {"byref not variable", {"F(1)", "Func F(ByRef $x)", "EndFunc"}, 1, "1", kByRefNeedsVariable},
        {"byref expression", {"$bv = 1", "F($bv + 1)", "Func F(ByRef $x)", "EndFunc"}, 2, "+", kByRefNeedsVariable},
        {"byref undeclared", {"F($nobody)", "Func F(ByRef $x)", "EndFunc"}, 1, "$nobody", kUndeclared},
        {"two operands", {"$p = 1 2"}, 1, "", kBadExpression},
        {"operand missing", {"$p = 1 +"}, 1, "", kBadExpression},
        {"operand missing in brackets", {"$p = (1 +)"}, 1, "(", kBadExpression},
        {"skipped operand not closed", {"$p = 1 OR (2"}, 1, "", kBadExpression},
        {"unbalanced", {"$p = (1 + 2))"}, 1, "", "Unbalanced brackets in expression."},
        {"missing bracket", {"$p = (1 + 2"}, 1, "", kMissingBracket},
        {"undeclared read", {"$p = $undeclared_x + 1"}, 1, "$undeclared_x", kUndeclared},
        {"subscript non array", {"$sn = 1", "$p = $sn[0]"}, 2, "[", "Subscript used with non-Array variable."},
        {"negative subscript", {"Dim $sa[2]", "$p = $sa[-1]"}, 2, "-", kBadSubscript},
        {"subscript not closed", {"Dim $sc[2]", "$p = $sc[1"}, 2, "1", kBadSubscript},
        {"subscript not closed in call", {"Dim $sk[2]", "$p = Abs($sk[1)"}, 2, "1", kBadSubscript},
        {"subscript not closed in user call",
         {"Dim $su[2]", "$p = F($su[1)", "Func F($a)", "EndFunc"},
         2,
         "1",
         kBadSubscript},
        {"byref subscript not closed",
         {"Dim $sb[2]", "F($sb[1)", "Func F(ByRef $a)", "EndFunc"},
         2,
         "1",
         kBadSubscript},
        {"skipped subscript not closed in call", {"Dim $sv[2]", "$p = Abs(1 OR $sv[1)"}, 2, "", kBadExpression},
        {"subscript count", {"Dim $sd[2][2]", "$p = $sd[1]"}, 2, "$sd", kRange},
        {"subscript range", {"Dim $sr[2]", "$p = $sr[2]"}, 2, "$sr", kRange},
        {"subscript huge", {"Dim $sh[2]", "$p = $sh[1e10]"}, 2, "$sh", kRange},
        {"65 subscripts read", {"Dim $s1[1]", "$p = $s1" + Repeat("[0]", 65)}, 2, "$s1", kRange},
        {"subscript nan", {"Dim $sq[2]", "$p = $sq[0/0]"}, 2, "0", kBadSubscript},
        {"assign out of range", {"Dim $so[2]", "$so[5] = 1"}, 2, "$so", kRange},
        {"unknown macro", {"$p = @NOPE"}, 1, "@NOPE", "Unknown macro."},
        {"string quote", {"$p = \"abc"}, 1, "\"", "String missing closing quote."},
        {"comment lines counted", {"Comment: first", "Comment: second", "$p = (1"}, 3, "", kMissingBracket},
        {"local not global",
         {"F()", "$p = $only_local", "Func F()", "$only_local = 1", "EndFunc"},
         2,
         "$only_local",
         kUndeclared},
        {"unknown option", {"Opt(\"NoSuchOption\", 1)"}, 1, "", "Unknown option or bad parameter specified."},
        {"must declare", {"Opt(\"MustDeclareVars\", 1)", "$md = 1"}, 2, "$md", kUndeclared},
        {"must declare for", {"For $mdf = 1 To 2", "Next"}, 1, "$mdf", kUndeclared},
        {"must declare reset", {"Global $mdr = 1", "Opt(\"MustDeclareVars\", 0)", "$p = (1"}, 3, "", kMissingBracket},
    };
}

class ErrorsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        std::vector<Lines> scripts;
        for (const ErrorCase& c : Cases())
            scripts.push_back(c.lines);
        s_results = new std::vector<Result>(scripttest::RunScripts(scripts, &s_exitCode));
    }
    static void TearDownTestSuite()
    {
        delete s_results;
        s_results = nullptr;
    }
    static std::vector<Result>* s_results;
    static int s_exitCode;
};

std::vector<Result>* ErrorsTest::s_results = nullptr;
int ErrorsTest::s_exitCode = -1;

TEST_F(ErrorsTest, EveryMessageNamesItsLineAndColumn)
{
    const std::vector<ErrorCase> cases = Cases();
    ASSERT_EQ(cases.size(), s_results->size());
    for (size_t i = 0; i < cases.size(); ++i) {
        const ErrorCase& c = cases[i];
        const Result& result = (*s_results)[i];
        const std::string& text = c.lines[static_cast<size_t>(c.line - 1)];
        const int column = c.marked.empty() ? -1 : static_cast<int>(text.find(c.marked));
        ASSERT_EQ(1u, result.boxes.size()) << c.name;
        EXPECT_EQ("Internal Error", result.boxes[0].caption) << c.name;
        if (text.size() > 1000)
            EXPECT_NE(std::string::npos, result.FirstBox().find(std::string("\nError: ") + c.message)) << c.name;
        else
            EXPECT_EQ(scripttest::ErrorReport(result, c.line, text, column, c.message), result.FirstBox()) << c.name;
        EXPECT_EQ(1, result.outcome) << c.name;
    }
    EXPECT_EQ(1, s_exitCode);
}

// Faults that once crashed, looped or ran on.
TEST(ErrorsFaultsTest, RunsEndCleanly)
{
    const std::vector<Lines> scripts = {
        // An error inside a function stops the statement that called it.
        {"$r = Fail() + Count()", "FileWriteLine(\"%OUT%\", \"after\")", "Func Fail()", "$q = (1", "EndFunc",
         "Func Count()", "FileWriteLine(\"%OUT%\", \"count ran\")", "EndFunc"},
        // Unterminated blocks skipped over end the script instead of restarting it.
        {"FileWriteLine(\"%OUT%\", \"start\")", "While 0", "FileWriteLine(\"%OUT%\", \"inside\")"},
        {"FileWriteLine(\"%OUT%\", \"start\")", "For $uf = 1 To 0", "FileWriteLine(\"%OUT%\", \"inside\")"},
        {"FileWriteLine(\"%OUT%\", \"start\")", "Func Open()", "FileWriteLine(\"%OUT%\", \"inside\")"},
        {"FileWriteLine(\"%OUT%\", \"start\")", "If 0 Then", "FileWriteLine(\"%OUT%\", \"inside\")"},
        // A ByRef element whose array is rebuilt during the call.
        {"Dim $ba[3]", "$ba[1] = 1", "Rebuild($ba[1])", "FileWriteLine(\"%OUT%\", \"ok\" & $ba[1])",
         "Func Rebuild(ByRef $p)", "Dim $ba[2]", "$p = 5", "FileWriteLine(\"%OUT%\", \"p\" & $p)", "EndFunc"},
        // An element written after its array was rebuilt by the right-hand side.
        {"Dim $rb[3]", "$rb[2] = Shrink()", "FileWriteLine(\"%OUT%\", \"rb\" & $rb[1])", "Func Shrink()", "Dim $rb[2]",
         "$rb[1] = 4", "Return 9", "EndFunc"},
        // GOTO out of a loop and back, many times: blocks do not pile up.
        {"$gl = 0", "TAG $again", "$gl = $gl + 1", "While 1", "If $gl < 2000 Then GOTO $again", "ExitLoop", "WEnd",
         "FileWriteLine(\"%OUT%\", \"loops\" & $gl)"},
    };
    int exitCode = -1;
    const std::vector<Result> results = scripttest::RunScripts(scripts, &exitCode);
    ASSERT_EQ(scripts.size(), results.size());

    ASSERT_EQ(1u, results[0].boxes.size());
    EXPECT_NE(std::string::npos, results[0].FirstBox().find("Missing right bracket"));
    EXPECT_EQ("", results[0].output);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(Lines{"start"}, results[static_cast<size_t>(i)].OutputLines()) << i;
        EXPECT_TRUE(results[static_cast<size_t>(i)].boxes.empty()) << i;
    }
    EXPECT_EQ((Lines{"p5", "ok0"}), results[5].OutputLines());
    EXPECT_EQ(Lines{"rb4"}, results[6].OutputLines());
    EXPECT_TRUE(results[6].boxes.empty()) << results[6].FirstBox();
    EXPECT_EQ(Lines{"loops2000"}, results[7].OutputLines());
    EXPECT_TRUE(results[7].boxes.empty()) << results[7].FirstBox();
    EXPECT_EQ(1, exitCode);
}

TEST(ErrorsFaultsTest, FileThatCannotBeLoadedGivesStatusTwo)
{
    std::string output;
    const int exitCode = e2e::RunAndCapture("runrobot.exe", "\"C:\\no such folder\\robot.txt\"", output, 60000);
    EXPECT_EQ(2, exitCode);
    EXPECT_NE(std::string::npos, output.find("=== OUTCOME 2")) << output;
}

}  // namespace
