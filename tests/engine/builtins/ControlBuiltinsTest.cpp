// Control built-ins and ControlCommand run from scripts against tapwin.exe:
// edit, list box, button, check box, combo box, tab control and status bar.
#include "tests/engine/builtins/BuiltinScriptRunner.h"
#include "tests/engine/builtins/TapwinSuite.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstring>

namespace {

const char kTitle[] = "Control Tapwin";

class ControlBuiltinsTest : public TapwinSuite
{
protected:
    static void SetUpTestSuite() { StartTarget(kTitle, "60,60"); }

    static std::string Command(const std::string& control, const std::string& command, const std::string& option)
    {
        return "ControlCommand(\"" + std::string(kTitle) + "\", \"\", \"" + control + "\", \"" + command + "\", " +
               option + ")";
    }
    static std::string PutCommand(const std::string& control, const std::string& command, const std::string& option)
    {
        return "Put(" + Command(control, command, option) + " & \"/\" & @error)";
    }
};

TEST_F(ControlBuiltinsTest, EditTextFocusPositionAndState)
{
    EXPECT_TRUE(PutsExactly(
        {
            "Put(ControlSetText(\"Control Tapwin\", \"\", \"Edit1\", \"hello there\"))",
            "Put(ControlGetText(\"Control Tapwin\", \"\", \"Edit1\"))",
            "Put(ControlGetText(\"Control Tapwin\", \"\", \"Edit9\") & \"/\" & @error)",
            "Put(ControlFocus(\"Control Tapwin\", \"\", \"Edit2\"))",
            "Put(ControlGetFocus(\"Control Tapwin\"))",
            "$p = ControlGetPos(\"Control Tapwin\", \"\", \"Button1\")",
            "Put($p[0] & \",\" & $p[1] & \",\" & $p[2] & \",\" & $p[3])",
            "ControlMove(\"Control Tapwin\", \"\", \"Button1\", 280, 12)",
            "$p = ControlGetPos(\"Control Tapwin\", \"\", \"Button1\")",
            "Put($p[0] & \",\" & $p[1] & \",\" & $p[2] & \",\" & $p[3])",
            "ControlMove(\"Control Tapwin\", \"\", \"Button1\", 270, 10, 100, 24)",
            "ControlDisable(\"Control Tapwin\", \"\", \"Button1\")",
            PutCommand("Button1", "IsEnabled", "\"\""),
            "ControlEnable(\"Control Tapwin\", \"\", \"Button1\")",
            PutCommand("Button1", "IsEnabled", "\"\""),
            "ControlHide(\"Control Tapwin\", \"\", \"Static1\")",
            PutCommand("Static1", "IsVisible", "\"\""),
            "ControlShow(\"Control Tapwin\", \"\", \"Static1\")",
            PutCommand("Static1", "IsVisible", "\"\""),
            "Put(ControlClick(\"NoSuch Window\", \"\", \"Button1\"))",
            "Put(ControlFocus(\"Control Tapwin\", \"\", \"Nothing1\"))",
        },
        {"1", "hello there", "/1", "1", "Edit2", "270,10,100,24", "280,12,100,24", "0/0", "1/0", "0/0", "1/0", "0",
         "0"}));
}

TEST_F(ControlBuiltinsTest, ControlClickByClassAndByText)
{
    EXPECT_TRUE(PutsExactly(
        {
            "Put(ControlClick(\"Control Tapwin\", \"\", \"Button1\"))",
            "Put(ControlClick(\"Control Tapwin\", \"\", \"Button1\", \"right\", 2))",
        },
        {"1", "1"}));
    EXPECT_TRUE(e2e::WaitForFileLine(s_log, "BN_CLICKED id=102", 10000));
    EXPECT_TRUE(e2e::WaitForFileLine(s_log, "WM_RBUTTONUP id=102 x=320 y=22", 10000));
}

TEST_F(ControlBuiltinsTest, ControlSendTypesIntoTheControl)
{
    EXPECT_TRUE(PutsExactly(
        {
            "ControlSetText(\"Control Tapwin\", \"\", \"Edit1\", \"\")",
            "Put(ControlSend(\"Control Tapwin\", \"\", \"Edit1\", \"abc\"))",
            "Put(ControlSend(\"NoSuch Window\", \"\", \"Edit1\", \"abc\"))",
        },
        {"1", "0"}));
    EXPECT_TRUE(e2e::WaitForFileLine(s_log, "ch=99", 10000));
}

TEST_F(ControlBuiltinsTest, ListAndComboCommands)
{
    EXPECT_TRUE(PutsExactly(
        {
            PutCommand("ListBox1", "FindString", "\"Blue\""),
            PutCommand("ListBox1", "FindString", "\"Nothing\""),
            PutCommand("ListBox1", "SetCurrentSelection", "1"),
            PutCommand("ListBox1", "SelectString", "\"Blue\""),
            PutCommand("ListBox1", "AddString", "\"Violet\""),
            PutCommand("ListBox1", "FindString", "\"Violet\""),
            PutCommand("ListBox1", "DelString", "3"),
            PutCommand("ListBox1", "FindString", "\"Violet\""),
            PutCommand("ComboBox1", "FindString", "\"Gamma\""),
            PutCommand("ComboBox1", "SetCurrentSelection", "1"),
            PutCommand("ComboBox1", "SelectString", "\"Gamma\""),
            PutCommand("ComboBox1", "ShowDropDown", "\"\""),
            PutCommand("ComboBox1", "HideDropDown", "\"\""),
            PutCommand("Edit1", "FindString", "\"x\""),
            PutCommand("Edit1", "AddString", "\"x\""),
            PutCommand("Edit1", "NoSuchCommand", "\"\""),
            PutCommand("Nothing1", "IsVisible", "\"\""),
        },
        {"2/0", "1/1", "1/0", "1/0", "1/0", "3/0", "1/0", "1/1", "2/0", "1/0", "1/0", "1/0", "1/0", "1/1", "1/0", "1/1",
         "1/1"}));
    EXPECT_TRUE(e2e::WaitForFileLine(s_log, "WM_COMMAND id=103 code=1", 10000));
    EXPECT_TRUE(e2e::WaitForFileLine(s_log, "WM_COMMAND id=103 code=2", 10000));
    EXPECT_TRUE(e2e::WaitForFileLine(s_log, "WM_COMMAND id=106 code=9", 10000));
    EXPECT_EQ(2, SendDlgItemMessageA(s_window, 103, LB_GETCURSEL, 0, 0));
    EXPECT_EQ(2, SendDlgItemMessageA(s_window, 106, CB_GETCURSEL, 0, 0));
}

TEST_F(ControlBuiltinsTest, CheckBoxAndTabCommands)
{
    ScriptOutcome run = RunPutScript({
        PutCommand("Button2", "IsChecked", "\"\""),
        "ControlCommand(\"Control Tapwin\", \"\", \"Button2\", \"Check\", \"\")",
    });
    ScriptOutcome checked = RunPutScript({
        PutCommand("Button2", "IsChecked", "\"\""),
        "ControlCommand(\"Control Tapwin\", \"\", \"Button2\", \"UnCheck\", \"\")",
        PutCommand("SysTabControl321", "CurrentTab", "0"),
        "ControlCommand(\"Control Tapwin\", \"\", \"SysTabControl321\", \"TabRight\", \"\")",
    });
    ScriptOutcome after = RunPutScript({
        PutCommand("Button2", "IsChecked", "\"\""),
        PutCommand("SysTabControl321", "CurrentTab", "0"),
    });
    EXPECT_EQ(std::vector<std::string>({"0/0"}), run.values) << run.output;
    EXPECT_EQ(std::vector<std::string>({"1/0", "1/0"}), checked.values) << checked.output;
    EXPECT_EQ(std::vector<std::string>({"0/0", "2/0"}), after.values) << after.output;
}

TEST_F(ControlBuiltinsTest, EditCommands)
{
    HWND multi = GetDlgItem(s_window, 109);
    SendMessageA(multi, EM_SETSEL, 12, 12);
    ScriptOutcome run = RunPutScript({
        PutCommand("Edit2", "GetLineCount", "\"\""),
        PutCommand("Edit2", "GetCurrentLine", "\"\""),
        PutCommand("Edit2", "GetCurrentCol", "\"\""),
        PutCommand("Edit2", "GetLine", "2"),
        PutCommand("Edit2", "GetLine", "9"),
        PutCommand("Edit2", "GetSelected", "\"\""),
    });
    SendMessageA(multi, EM_SETSEL, 12, 18);
    ScriptOutcome selected = RunPutScript({
        PutCommand("Edit2", "GetSelected", "\"\""),
        "ControlCommand(\"Control Tapwin\", \"\", \"Edit2\", \"EditPaste\", \"NEW\")",
        PutCommand("Edit2", "GetLine", "2"),
    });
    EXPECT_TRUE(EndedWithValues(run, {"3/0", "2/0", "1/0", "second line/0", "1/1", "1/1"}));
    EXPECT_EQ(std::vector<std::string>({"second/0", "NEW line/0"}), selected.values) << selected.output;
}

TEST_F(ControlBuiltinsTest, StatusBarText)
{
    EXPECT_TRUE(PutsExactly(
        {
            "Put(StatusBarGetText(\"Control Tapwin\"))",
            "Put(StatusBarGetText(\"Control Tapwin\", \"\", 2))",
            "Put(StatusBarGetText(\"Control Tapwin\", \"\", 0) & \"/\" & @error)",
            "Put(StatusBarGetText(\"Control Tapwin\", \"\", 3) & \"/\" & @error)",
            "Put(StatusBarGetText(\"NoSuch Window\") & \"/\" & @error)",
        },
        {"Part one", "Part two", "/1", "/1", "/1"}));
}

// A list box and an edit that overstate lengths: the list's selected item is
// said to be 2^31 - 1 chars long, a line the whole buffer and more, and the
// edit's text 2^31 - 1 chars with its first three selected.
LRESULT CALLBACK OverstatingControl(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT kOverstated = 0x7FFFFFFF;
    switch (message) {
    case LB_GETCURSEL:
        return 0;
    case LB_GETTEXTLEN:
        return kOverstated;
    case EM_GETLINE: {
        char* buffer = reinterpret_cast<char*>(lParam);
        std::memset(buffer, 'x', *reinterpret_cast<WORD*>(buffer));
        return kOverstated;
    }
    case EM_GETSEL:
        *reinterpret_cast<DWORD*>(wParam) = 0;
        *reinterpret_cast<DWORD*>(lParam) = 3;
        return 0;
    case WM_GETTEXTLENGTH:
        return kOverstated;
    case WM_GETTEXT:
        std::memset(reinterpret_cast<char*>(lParam), 'y', wParam - 1);
        return static_cast<LRESULT>(wParam - 1);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// In this process, where the answers reach the built-in as the control gives
// them: a list item text longer than any read fails, and a line is no longer
// than the buffer it went to.
TEST(ControlCommandLengths, OverstatedByTheControl)
{
    HWND window = e2e::CreateTestWindow("OverstatingWindow", DefWindowProcA, "Overstating Lengths",
                                        WS_OVERLAPPEDWINDOW | WS_VISIBLE, {40, 40, 400, 300});
    ASSERT_NE(nullptr, window);
    e2e::CreateTestWindow("ListBoxOverstating", OverstatingControl, "", WS_CHILD | WS_VISIBLE, {0, 0, 100, 100},
                          window);
    e2e::CreateTestWindow("EditOverstating", OverstatingControl, "", WS_CHILD | WS_VISIBLE, {100, 0, 200, 100}, window);
    CBuiltinScriptRunner runner;
    const bool ran = runner.Run({
        "$item = ControlCommand(\"Overstating Lengths\", \"\", \"ListBoxOverstating1\", \"GetCurrentSelection\", \"\")",
        "$itemError = @error",
        "$line = ControlCommand(\"Overstating Lengths\", \"\", \"EditOverstating1\", \"GetLine\", 1)",
        "$lineError = @error",
        "$selected = ControlCommand(\"Overstating Lengths\", \"\", \"EditOverstating1\", \"GetSelected\", \"\")",
    });
    DestroyWindow(window);
    ASSERT_TRUE(ran);
    EXPECT_EQ("1/1", runner.Text("item") + "/" + runner.Text("itemError"));
    EXPECT_EQ(std::string(0x8000, 'x'), runner.Text("line"));
    EXPECT_EQ(0, runner.Var("lineError").GetInteger());
    EXPECT_EQ("yyy", runner.Text("selected"));
}

// A status bar of this process, whose part text the 8-bit read writes whole:
// a text longer than the buffer, whose length's low word is small, is not read.
TEST(StatusBarTextLengths, ATextLongerThanTheBufferIsNotRead)
{
    HWND window = e2e::CreateTestWindow("StatusBarOwner", DefWindowProcA, "Long Status Bar",
                                        WS_OVERLAPPEDWINDOW | WS_VISIBLE, {40, 40, 400, 300});
    ASSERT_NE(nullptr, window);
    HWND bar =
        CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, bar);
    // A text the buffer holds in any code page, and one past it whose length's low word is 5.
    const std::pair<size_t, bool> rows[] = {{0x3FFF, true}, {0x10005, false}};
    for (const auto& row : rows) {
        const std::string text(row.first, 'a');
        SendMessageA(bar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
        CBuiltinScriptRunner runner;
        const auto outcome = runner.Evaluate("StatusBarGetText(\"Long Status Bar\")");
        EXPECT_EQ(row.second ? row.first : 0, outcome.text.size()) << row.first;
        EXPECT_EQ(row.second ? 0 : 1, outcome.error) << row.first;
    }
    DestroyWindow(window);
}

}  // namespace
