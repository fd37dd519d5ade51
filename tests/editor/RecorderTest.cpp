// The recorder's rules, fed with hook messages at chosen times while the
// clock, the foreground window and the window records are the test's own.
#include "editor/CInputRobotDlg.h"
#include "editor/CRecordPane.h"
#include "editor/CRecordRobotDlg.h"
#include "editor/automation/HookMessages.h"
#include "res/EditorResource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

const char kMarker[] = "=> [remove on faster speed]";

HWND FakeWindow(int n)
{
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7000 + n));
}

// Windows 1 and 2 belong to one program, window 3 to another.
const std::map<HWND, std::string> kWindowPrograms = {
    {FakeWindow(1), "C:\\app\\one.exe"}, {FakeWindow(2), "C:\\app\\one.exe"}, {FakeWindow(3), "C:\\app\\two.exe"}};

class FakeSystem
{
public:
    CRecordRobotDlg::Environment Environment()
    {
        CRecordRobotDlg::Environment environment;
        environment.fnNow = [this] { return m_dwNow; };
        environment.fnForegroundWindow = [this] { return m_hForeground; };
        environment.fnGetWinInfo = [](HWND hWnd, RecordedWindowInfo& info) {
            const auto program = kWindowPrograms.find(hWnd);
            if (program == kWindowPrograms.end())
                return 0;
            info.hWnd = hWnd;
            info.WinPath = program->second.c_str();
            return 1;
        };
        return environment;
    }

    DWORD m_dwNow = 0;
    HWND m_hForeground = FakeWindow(1);
};

void Mouse(CRecordRobotDlg& recorder, FakeSystem& system, DWORD time, UINT message, LPARAM lParam)
{
    system.m_dwNow = time;
    recorder.SendMessage(WM_HOOK_MOUSE, message, lParam);
}

void Key(CRecordRobotDlg& recorder, FakeSystem& system, DWORD time, UINT vk, bool down)
{
    system.m_dwNow = time;
    recorder.SendMessage(WM_HOOK_KEY, vk, MAKELPARAM(0, down ? WM_KEYDOWN : WM_KEYUP));
}

void Click(CRecordRobotDlg& recorder, int id)
{
    recorder.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(recorder.GetDlgItem(id)->m_hWnd));
}

LPARAM Window(int n)
{
    return reinterpret_cast<LPARAM>(FakeWindow(n));
}

Lines LinesOf(const CRecordRobotDlg& recorder)
{
    Lines lines;
    for (int i = 0; i < recorder.GetLineCount(); ++i)
        lines.push_back(recorder.GetLine(i).GetString());
    return lines;
}

class RecorderTest : public ::testing::Test
{
protected:
    void Open(int mode = 1)
    {
        m_Recorder.SetMode(mode);
        m_Recorder.SetEnvironment(m_System.Environment());
        ASSERT_TRUE(m_Recorder.Create(CRecordRobotDlg::IDD));
    }
    void TearDown() override { m_Recorder.DestroyWindow(); }

    void Mouse(DWORD time, UINT message, LPARAM lParam) { ::Mouse(m_Recorder, m_System, time, message, lParam); }
    void Key(DWORD time, UINT vk, bool down) { ::Key(m_Recorder, m_System, time, vk, down); }
    Lines RecordedLines() const { return LinesOf(m_Recorder); }

    FakeSystem m_System;
    CRecordRobotDlg m_Recorder;
};

TEST_F(RecorderTest, ASequenceGivesTheLinesAndTheWindowOfTheRules)
{
    Open();
    Mouse(1000, WM_LBUTTONDOWN, Window(1));
    Mouse(1120, WM_LBUTTONUP, Window(1));
    Mouse(1130, WM_MOUSEMOVE, MAKELPARAM(300, 200));
    Mouse(1140, WM_MOUSEMOVE, MAKELPARAM(310, 205));
    Mouse(1200, WM_MOUSEMOVE, MAKELPARAM(320, 210));
    Key(1700, 'A', true);
    Key(1780, 'A', false);
    Key(2780, 'B', true);
    Click(m_Recorder, IDC_RECORD_STOP);

    EXPECT_EQ(RecordedLines(),
              (Lines{"Mouse Left Down At Win [0]", "Wait 120 milliseconds", "Mouse Left Up", "Mouse move to 300, 200",
                     std::string("Wait 60 milliseconds") + kMarker, "Mouse move to 320, 210",
                     std::string("Wait 500 milliseconds") + kMarker, "Key Down A", "Key Up A"}));
    ASSERT_EQ(m_Recorder.GetRecordedWindowCount(), 1);
    RecordedWindowInfo record;
    ASSERT_TRUE(m_Recorder.GetRecordedWindow(0, record));
    EXPECT_EQ(record.WinIndex, 1);
    EXPECT_FALSE(m_Recorder.GetRecordedWindow(1, record));
    EXPECT_EQ(m_Recorder.GetLine(9), "");
}

TEST_F(RecorderTest, AMoveWithin20MillisecondsIsLeftOutUnlessEveryMoveIsRecorded)
{
    const struct
    {
        UINT allMoves;
        Lines lines;
    } kCases[] = {
        {BST_UNCHECKED, {"Mouse move to 1, 1", std::string("Mouse move to 3, 3") + kMarker}},
        {BST_CHECKED,
         {"Mouse move to 1, 1", std::string("Mouse move to 2, 2") + kMarker,
          std::string("Mouse move to 3, 3") + kMarker}},
    };
    for (const auto& c : kCases) {
        FakeSystem system;
        CRecordRobotDlg recorder;
        recorder.SetEnvironment(system.Environment());
        ASSERT_TRUE(recorder.Create(CRecordRobotDlg::IDD));
        recorder.CheckDlgButton(IDC_RECORD_ALL_MOVES, c.allMoves);
        recorder.UpdateData(TRUE);
        ::Mouse(recorder, system, 1000, WM_MOUSEMOVE, MAKELPARAM(1, 1));
        ::Mouse(recorder, system, 1015, WM_MOUSEMOVE, MAKELPARAM(2, 2));
        // 20 ms after the last kept move, though only 5 after the last move.
        ::Mouse(recorder, system, 1020, WM_MOUSEMOVE, MAKELPARAM(3, 3));
        EXPECT_EQ(LinesOf(recorder), c.lines) << "all moves " << c.allMoves;
        recorder.DestroyWindow();
    }
}

TEST_F(RecorderTest, KeyDownWaitsAreMarkedBelow800Milliseconds)
{
    const struct
    {
        DWORD gap;
        Lines lines;
    } kCases[] = {
        {200, {"Key Up A", "Key Down B"}},
        {500, {"Key Up A", std::string("Wait 500 milliseconds") + kMarker, "Key Down B"}},
        {900, {"Key Up A", "Wait 900 milliseconds", "Key Down B"}},
    };
    for (const auto& c : kCases) {
        FakeSystem system;
        CRecordRobotDlg recorder;
        recorder.SetEnvironment(system.Environment());
        ASSERT_TRUE(recorder.Create(CRecordRobotDlg::IDD));
        ::Key(recorder, system, 1000, 'A', true);
        ::Key(recorder, system, 1010, 'A', false);
        ::Key(recorder, system, 1010 + c.gap, 'B', true);
        Lines lines = LinesOf(recorder);
        lines.erase(lines.begin());
        EXPECT_EQ(lines, c.lines) << c.gap;
        recorder.DestroyWindow();
    }
}

TEST_F(RecorderTest, KeyLinesFollowTheKeyRules)
{
    const struct
    {
        std::vector<std::pair<UINT, bool>> events;
        Lines lines;
    } kCases[] = {
        {{{VK_TAB, true}, {VK_TAB, false}}, {"Key Down <Tab>", "Wait 200 milliseconds", "Key Up <Tab>"}},
        {{{'A', false}}, {"Key Press A"}},
        // A key released after the Windows key takes the place of the
        // Windows key's release, which moves to the end.
        {{{VK_LWIN, true}, {VK_LWIN, false}, {'E', false}, {'F', false}},
         {"Key Down <L Win>", "Key Press E", "Key Press F", "Key Up <L Win>"}},
        {{{VK_LWIN, true}, {'E', false}, {VK_LWIN, false}}, {"Key Down <L Win>", "Key Press E", "Key Up <L Win>"}},
        {{{VK_LWIN, true}, {VK_LWIN, false}, {VK_RWIN, false}}, {"Key Down <L Win>", "Key Up <L Win>"}},
        {{{VK_LWIN, true}, {'A', true}, {VK_LWIN, false}, {'E', false}},
         {"Key Down <L Win>", "Key Down A", "Key Up <L Win>", "Key Press E"}},
    };
    for (const auto& c : kCases) {
        FakeSystem system;
        CRecordRobotDlg recorder;
        recorder.SetEnvironment(system.Environment());
        ASSERT_TRUE(recorder.Create(CRecordRobotDlg::IDD));
        system.m_hForeground = recorder.m_hWnd;
        DWORD time = 1000;
        for (const auto& event : c.events)
            ::Key(recorder, system, time += 10, event.first, event.second);
        EXPECT_EQ(LinesOf(recorder), c.lines);
        recorder.DestroyWindow();
    }
}

TEST_F(RecorderTest, AHiddenStartDropsTheReleasesOfTheRecordingHotkey)
{
    Open(0);
    EXPECT_FALSE(m_Recorder.IsWindowVisible());
    Key(1000, VK_LCONTROL, false);
    Key(1010, VK_MENU, false);
    Key(1020, 'R', false);
    Key(5000, 'A', true);
    Key(5010, VK_CONTROL, false);
    EXPECT_EQ(RecordedLines(), (Lines{"Key Down A At Win [0]", "Key Press <Ctrl>"}));
}

TEST_F(RecorderTest, StopCleansUpAndKeepsPausedMovesAtFasterSpeed)
{
    Open();
    Key(1000, 'A', true);
    Key(1010, 'B', true);
    Key(1020, 'B', false);
    Mouse(1500, WM_MOUSEMOVE, MAKELPARAM(1, 1));
    Mouse(1560, WM_MOUSEMOVE, MAKELPARAM(2, 2));
    Mouse(1700, WM_MOUSEMOVE, MAKELPARAM(3, 3));
    Key(2000, 'C', true);
    Click(m_Recorder, IDC_RECORD_STOP);
    EXPECT_EQ(RecordedLines(),
              (Lines{"Key Down B", "Key Up B", "Wait 480 milliseconds", "Mouse move to 1, 1",
                     std::string("Wait 60 milliseconds") + kMarker, "Mouse move to 2, 2",
                     std::string("Wait 140 milliseconds") + kMarker, std::string("Mouse move to 3, 3") + kMarker}));
}

TEST_F(RecorderTest, WindowsOfOneProgramAreNumberedByFirstSight)
{
    Open();
    const int windows[] = {1, 1, 2, 1, 3};
    DWORD time = 1000;
    for (int n : windows)
        Mouse(time += 10, WM_RBUTTONDOWN, Window(n));
    Mouse(time += 10, WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(m_Recorder.GetDlgItem(IDC_RECORD_STOP)->m_hWnd));
    Mouse(time += 10, WM_LBUTTONDOWN, Window(99));

    EXPECT_EQ(RecordedLines(),
              (Lines{"Mouse Right Down At Win [0]", "Mouse Right Down", "Mouse Right Down At Win [1]",
                     "Mouse Right Down At Win [2]", "Mouse Right Down At Win [3]", "Mouse Left Down"}));
    const int winIndexes[] = {1, 2, 1, 1};
    ASSERT_EQ(m_Recorder.GetRecordedWindowCount(), 4);
    for (int i = 0; i < 4; ++i) {
        RecordedWindowInfo record;
        m_Recorder.GetRecordedWindow(i, record);
        EXPECT_EQ(record.WinIndex, winIndexes[i]) << i;
    }
}

TEST_F(RecorderTest, MouseMessagesMakeTheirLines)
{
    Open();
    m_Recorder.SendMessage(WM_HOOK_CURSOR, 0, MAKELPARAM(7, 8));
    const struct
    {
        UINT message;
        LPARAM lParam;
    } kEvents[] = {
        {WM_NCLBUTTONDBLCLK, Window(3)}, {WM_MOUSEWHEEL, 1},          {WM_MOUSEWHEEL, 0},
        {WM_MBUTTONDOWN, Window(3)},     {WM_NCRBUTTONUP, Window(3)},
    };
    DWORD time = 1000;
    for (const auto& event : kEvents)
        Mouse(time += 10, event.message, event.lParam);
    m_System.m_hForeground = m_Recorder.m_hWnd;
    Mouse(time += 10, WM_MOUSEWHEEL, 1);
    EXPECT_EQ(RecordedLines(), (Lines{"Mouse move to 7, 8", "Mouse Double Click At Win [0]", "Mouse Scroll Up",
                                      "Mouse Scroll Down", "Mouse Right Up"}));
}

// Plays the part of the editor, writing down what the pane asks of it.
class StandInEditor : public IRobotEditor
{
public:
    void AddActionLine(const CString& line) override { m_arrCalls.push_back("line " + line.Str()); }
    void FocusActionList() override { m_arrCalls.push_back("focus"); }
    void AddRecordedWindow(const RecordedWindowInfo& record) override
    {
        m_arrCalls.push_back("window " + record.WinPath.Str());
    }
    void ClearRecordedWindows() override { m_arrCalls.push_back("clear"); }
    void ShowEditor(int nCmdShow) override { m_arrCalls.push_back("show " + std::to_string(nCmdShow)); }

    Lines m_arrCalls;
};

// What the user does in the recorder that RecordIntoRobot runs modally.
FakeSystem g_PaneSystem;
bool g_bPaneKeys = false;
int g_nPaneEnd = IDC_RECORD_STOP;

int g_nRecorderRuns = 0;
bool g_bRecorderVisible = false;

BOOL CALLBACK DriveRecorder(HWND hWnd, LPARAM)
{
    auto* recorder = dynamic_cast<CRecordRobotDlg*>(CWnd::FromHandlePermanent(hWnd));
    if (!recorder)
        return TRUE;
    ++g_nRecorderRuns;
    g_bRecorderVisible = recorder->IsWindowVisible() != FALSE;
    recorder->SetEnvironment(g_PaneSystem.Environment());
    if (g_bPaneKeys) {
        Key(*recorder, g_PaneSystem, 1000, 'A', true);
        Key(*recorder, g_PaneSystem, 1010, 'A', false);
    }
    if (g_nPaneEnd == IDCANCEL)
        recorder->SendMessage(WM_COMMAND, IDCANCEL, 0);
    else
        Click(*recorder, g_nPaneEnd);
    return FALSE;
}

void CALLBACK OnRecorderOpen(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    ::EnumThreadWindows(::GetCurrentThreadId(), DriveRecorder, 0);
}

TEST(RecordPaneTest, RecordingIntoTheRobotHandsOverLinesAndWindows)
{
    const struct
    {
        bool keys;
        int end;
        Lines calls;
    } kCases[] = {
        {true,
         IDC_RECORD_STOP,
         {"show 0", "line Comment: ==== Start recorded actions ====", "line Key Down A At Win [0]", "line Key Up A",
          "line Comment: ==== End of recorded actions ====", "clear", "window C:\\app\\one.exe", "show 1"}},
        {false, IDC_RECORD_STOP, {"show 0", "clear", "show 1"}},
        {true, IDCANCEL, {"show 0", "show 1"}},
    };
    for (const auto& c : kCases) {
        g_bPaneKeys = c.keys;
        g_nPaneEnd = c.end;
        StandInEditor editor;
        CRecordPane pane(&editor);
        ::SetTimer(nullptr, 0, 10, OnRecorderOpen);
        pane.RecordIntoRobot();
        EXPECT_EQ(editor.m_arrCalls, c.calls);
    }
}

Lines ActionRows(const CInputRobotDlg& editor)
{
    HWND list = GetDlgItem(editor.m_hWnd, IDC_EDITOR_ACTIONS);
    Lines rows;
    for (int row = 0; row < ListView_GetItemCount(list); ++row) {
        char line[256] = "";
        ListView_GetItemText(list, row, 1, line, sizeof line);
        rows.push_back(line);
    }
    return rows;
}

TEST(RecordPaneTest, TheEditorRecordsOnlyThroughAnAttachedPaneWithAWindow)
{
    g_bPaneKeys = true;
    g_nPaneEnd = IDC_RECORD_STOP;
    g_nRecorderRuns = 0;
    CInputRobotDlg editor(nullptr, nullptr);
    ASSERT_TRUE(editor.Create(CInputRobotDlg::IDD, nullptr));
    editor.ShowWindow(SW_SHOW);
    CRecordPane pane(&editor);
    // A recorder opened by either call would be ended by the timer's first tick.
    ::SetTimer(nullptr, 0, 10, OnRecorderOpen);
    editor.StartRecordIntoList();
    editor.AttachRecordPane(&pane);
    editor.StartRecordIntoList();
    EXPECT_EQ(g_nRecorderRuns, 0);

    ASSERT_TRUE(pane.Create(CRecordPane::IDD, &editor));
    editor.StartRecordIntoList();
    EXPECT_EQ(g_nRecorderRuns, 1);
    EXPECT_TRUE(g_bRecorderVisible);
    EXPECT_EQ(ActionRows(editor), (Lines{"Comment: ==== Start recorded actions ====", "Key Down A At Win [0]",
                                         "Key Up A", "Comment: ==== End of recorded actions ===="}));
    EXPECT_EQ(editor.GetRobot().m_vecRecWinInfo.size(), 1u);
    EXPECT_TRUE(editor.IsWindowVisible());

    // The quick recording starts hidden and leaves the editor hidden.
    ::SetTimer(nullptr, 0, 10, OnRecorderOpen);
    editor.StartQuickRecord();
    EXPECT_EQ(g_nRecorderRuns, 2);
    EXPECT_FALSE(g_bRecorderVisible);
    EXPECT_FALSE(editor.IsWindowVisible());
    pane.DestroyWindow();
    editor.DestroyWindow();
}

}  // namespace
