// Window built-ins run from scripts against tapwin.exe windows.
#include "engine/builtins/WindowSearch.h"
#include "tests/engine/builtins/BuiltinScriptRun.h"
#include "tests/engine/builtins/BuiltinScriptRunner.h"
#include "tests/engine/builtins/TapwinSuite.h"
#include "tests/support/TextCase.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

const char kEditor[] = "Untitled - Tapeditor";

class WindowBuiltinsTest : public TapwinSuite
{
protected:
    static void SetUpTestSuite() { StartTarget(kEditor, "60,60"); }
};

TEST_F(WindowBuiltinsTest, TitleAndTextMatchModes)
{
    EXPECT_TRUE(PutsExactly(
        {
            "Put(WinExists(\"Untitled\"))",
            "Put(WinExists(\"untitled\"))",
            "Put(WinExists(\"Tapeditor\"))",
            "Opt(\"WinTitleMatchMode\", 2)",
            "Put(WinExists(\"Tapeditor\"))",
            "Put(WinExists(\"tapeditor\"))",
            "Opt(\"WinTitleMatchMode\", 3)",
            "Put(WinExists(\"Untitled\"))",
            "Put(WinExists(\"Untitled - Tapeditor\"))",
            "Opt(\"WinTitleMatchMode\", 1)",
            "Put(WinExists(\"Untitled\", \"static text\"))",
            "Put(WinExists(\"Untitled\", \"Static Text\"))",
            "Opt(\"WinTextMatchMode\", 2)",
            "Put(WinExists(\"Untitled\", \"second line\"))",
            "Put(WinExists(\"Untitled\", \"Press\"))",
            "Put(WinExists(\"\", \"\"))",
        },
        {"1", "0", "0", "1", "0", "0", "1", "1", "0", "0", "1", "1"}));
}

TEST_F(WindowBuiltinsTest, SpecialTitlesOfAdvancedMode)
{
    std::string handle = FormatWindowHandle(s_window);
    std::string lower = handle;
    for (char& c : lower)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(PutsExactly(
        {
            "Opt(\"WinTitleMatchMode\", 4)",
            "Put(WinGetHandle(\"classname=TapWinClass\"))",
            "Put(WinExists(\"handle=" + lower + "\"))",
            "Put(WinGetTitle(\"last\"))",
            "Put(WinGetTitle(\"\"))",
            "Put(WinExists(\"classname=NoSuchClass\"))",
            "Put(WinExists(\"last\"))",
            "Put(WinGetHandle(\"active\") = WinGetHandle(\"classname=TapWinClass\"))",
        },
        {handle, "1", kEditor, kEditor, "0", "0", "1"}));
}

TEST_F(WindowBuiltinsTest, FailedSearchNeverClosesAnotherWindowThroughLast)
{
    EXPECT_TRUE(PutsExactly(
        {
            "Opt(\"WinTitleMatchMode\", 4)",
            "Opt(\"WinWaitDelay\", 0)",
            "Put(WinExists(\"Untitled\"))",
            "Put(WinExists(\"NoSuch\"))",
            "WinClose(\"last\")",
            "Put(WinExists(\"Untitled\"))",
        },
        {"1", "0", "1"}));
    EXPECT_TRUE(IsWindow(s_window));
}

TEST_F(WindowBuiltinsTest, PositionStateTitleAndTexts)
{
    ScriptOutcome run = RunPutScript({
        "Opt(\"WinWaitDelay\", 0)",
        "WinMove(\"Untitled\", \"\", 70, 80)",
        "$p = WinGetPos(\"Untitled\")",
        "Put($p[0] & \",\" & $p[1] & \",\" & $p[2] & \",\" & $p[3])",
        "WinMove(\"Untitled\", \"\", 60, 60, 500, 380)",
        "$p = WinGetPos(\"Untitled\")",
        "Put($p[0] & \",\" & $p[1] & \",\" & $p[2] & \",\" & $p[3])",
        "$c = WinGetClientSize(\"Untitled\")",
        "Put($c[0] > 400 And $c[1] > 250)",
        "WinActivate(\"Untitled\")",
        "Put(WinGetState(\"Untitled\"))",
        "Put(WinActive(\"Untitled\"))",
        "WinSetState(\"Untitled\", \"\", 6)",
        "Put(WinGetState(\"Untitled\"))",
        "WinSetState(\"Untitled\", \"\", 9)",
        "Put(WinGetState(\"NoSuch Window\") & \"/\" & @error)",
        "WinSetTitle(\"Untitled\", \"\", \"Renamed - Tapeditor\")",
        "Put(WinGetTitle(\"Renamed\"))",
        "WinSetTitle(\"Renamed\", \"\", \"" + std::string(kEditor) + "\")",
        "$x = WinGetPos(\"NoSuch Window\")",
        "Put(@error)",
        "Put(WinGetHandle(\"NoSuch Window\") & \"/\" & @error)",
    });
    EXPECT_EQ(0, run.exitCode) << run.output;
    ASSERT_EQ(10u, run.values.size()) << run.output;
    EXPECT_EQ("70,80,480,360", run.values[0]);
    EXPECT_EQ("60,60,500,380", run.values[1]);
    EXPECT_EQ("1", run.values[2]);
    EXPECT_EQ("15", run.values[3]);
    EXPECT_EQ("1", run.values[4]);
    EXPECT_EQ(16, std::stoi(run.values[5]) & 16);
    EXPECT_EQ("0/1", run.values[6]);
    EXPECT_EQ("Renamed - Tapeditor", run.values[7]);
    EXPECT_EQ("1", run.values[8]);
    EXPECT_EQ("/1", run.values[9]);
}

TEST_F(WindowBuiltinsTest, TextAndClassLists)
{
    ScriptOutcome run = RunPutScript({
        "Put(WinGetText(\"Untitled\"))",
        "Put(\"--\")",
        "Put(WinGetClassList(\"Untitled\"))",
        "$x = WinGetClassList(\"NoSuch Window\")",
        "Put(@error)",
    });
    EXPECT_EQ(0, run.exitCode) << run.output;
    std::string all;
    for (const std::string& value : run.values)
        all += value + "|";
    EXPECT_NE(std::string::npos, all.find("Press|Tap static text|")) << all;
    EXPECT_NE(std::string::npos, all.find("Edit|Button|ListBox|Static|msctls_statusbar32|")) << all;
    EXPECT_EQ("1", run.values.back());
}

TEST_F(WindowBuiltinsTest, FocusedControlAndCaret)
{
    e2e::LeftClickAt(e2e::ClientToScreenPoint(s_window, 30, 230));
    Sleep(300);
    EXPECT_TRUE(PutsExactly(
        {
            "Put(ControlGetFocus(\"Untitled\"))",
            "$c = WinGetCaretPos()",
            "Put(@error)",
            "$x = ControlGetFocus(\"NoSuch Window\")",
            "Put(@error)",
        },
        {"Edit2", "0", "1"}));
}

TEST_F(WindowBuiltinsTest, MenuOfAnotherProgramAndToolTip)
{
    // Another program's menu cannot be read here, so the selection reports failure.
    ScriptOutcome run = RunPutScript({
        "Put(WinMenuSelectItem(\"Untitled\", \"\", \"&File\", \"&Open\"))",
        "Put(WinMenuSelectItem(\"NoSuch Window\", \"\", \"&File\"))",
    });
    EXPECT_EQ(0, run.exitCode) << run.output;
    ASSERT_EQ(2u, run.values.size()) << run.output;
    EXPECT_EQ("0", run.values[1]);

    // A second call moves the one tool and replaces its text.
    CBuiltinScriptRunner runner;
    ASSERT_TRUE(runner.Run({"ToolTip(\"Tip text\", 300, 300)", "ToolTip(\"Other tip\")"}));
    const HWND tip = runner.Engine().m_hToolTip;
    ASSERT_NE(nullptr, tip);
    EXPECT_EQ(1, SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
    char text[32] = "";
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.lpszText = text;
    SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ("Other tip", text);
}

TEST_F(WindowBuiltinsTest, WinKillAndWinClose)
{
    HWND closing = StartTapwin("Closing Tapwin", "", "600,400");
    HWND killed = StartTapwin("Killed Tapwin", "", "620,420");
    ASSERT_NE(nullptr, closing);
    ASSERT_NE(nullptr, killed);
    ScriptOutcome run = RunPutScript({
        "Opt(\"WinWaitDelay\", 0)",
        "WinClose(\"Closing Tapwin\")",
        "WinKill(\"Killed Tapwin\")",
    });
    EXPECT_EQ(0, run.exitCode) << run.output;
    EXPECT_TRUE(e2e::WaitForWindowGone("Closing Tapwin", 10000));
    EXPECT_TRUE(e2e::WaitForWindowGone("Killed Tapwin", 10000));
}

TEST_F(WindowBuiltinsTest, HungWindowDoesNotBlockTheTextSearch)
{
    PostMessageA(s_window, WM_APP + 1, 8000, 0);
    Sleep(200);
    ScriptOutcome run = RunPutScript({
        "Put(WinExists(\"Untitled\", \"static text\"))",
        "Put(WinExists(\"Untitled\"))",
    });
    EXPECT_TRUE(EndedWithValues(run, {"0", "1"}));
}

// A window whose thread stopped pumping messages: each built-in that would
// wait for its answer gives up after the answer time and returns its result
// for a window it cannot read or change (value, then @error). WinKill ends the
// hung program.
TEST_F(WindowBuiltinsTest, HungWindowGivesEachBuiltinsFailureResult)
{
    const TextCase cases[] = {
        {"ControlGetText(\"Hung Tapwin\", \"\", \"Edit1\")", "|1"},
        {"WinGetText(\"Hung Tapwin\")", "1|0"},
        {"ControlSetText(\"Hung Tapwin\", \"\", \"Edit1\", \"new\")", "0|0"},
        {"WinSetTitle(\"Hung Tapwin\", \"\", \"Renamed Tapwin\")", "1|0"},
        {"WinMove(\"Hung Tapwin\", \"\", 5, 5)", "1|0"},
        {"ControlCommand(\"Hung Tapwin\", \"\", \"ListBox1\", \"FindString\", \"x\")", "1|1"},
        {"ControlCommand(\"Hung Tapwin\", \"\", \"Edit1\", \"GetLineCount\", \"\")", "1|1"},
        {"StatusBarGetText(\"Hung Tapwin\")", "|1"},
        {"WinSetState(\"Hung Tapwin\", \"\", 9)", "1|0"},
        {"WinSetOnTop(\"Hung Tapwin\", \"\", 1)", "1|0"},
        {"ControlFocus(\"Hung Tapwin\", \"\", \"Edit1\")", "0|0"},
        {"ControlMove(\"Hung Tapwin\", \"\", \"Edit1\", 5, 5)", "0|0"},
        {"ControlEnable(\"Hung Tapwin\", \"\", \"Edit1\")", "0|0"},
        {"ControlDisable(\"Hung Tapwin\", \"\", \"Edit1\")", "0|0"},
        {"ControlShow(\"Hung Tapwin\", \"\", \"Edit1\")", "0|0"},
        {"ControlHide(\"Hung Tapwin\", \"\", \"Edit1\")", "0|0"},
        // Minimised, so activating it would restore it first.
        {"WinActivate(\"Hung Tapwin\")", "1|0"},
    };
    HWND hung = StartTapwin("Hung Tapwin", "", "500,300");
    ASSERT_NE(nullptr, hung);
    ShowWindow(hung, SW_MINIMIZE);
    PostMessageA(hung, WM_APP + 1, 120000, 0);
    Sleep(200);
    std::vector<std::string> lines = {"Opt(\"WinWaitDelay\", 0)"};
    std::vector<std::string> expected;
    for (const TextCase& c : cases) {
        lines.push_back(std::string("Put(") + c.input + " & \"|\" & @error)");
        expected.push_back(c.expected);
    }
    lines.push_back("WinKill(\"Hung Tapwin\")");
    ScriptOutcome run = RunPutScript(lines);
    EXPECT_EQ(0, run.exitCode) << run.output;
    EXPECT_EQ(expected, run.values) << run.output;
    EXPECT_TRUE(e2e::WaitForWindowGone("Hung Tapwin", 10000));
}

}  // namespace
