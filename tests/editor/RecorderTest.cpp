// The recorder's rules, fed with hook messages at chosen times while the
// clock, the foreground window and the window records are the test's own;
// the record pane and the editor with a stand-in or the real editor.
#include "editor/CInputRobotDlg.h"
#include "editor/CRecordPane.h"
#include "controls/ShellOpen.h"
#include "editor/automation/HookMessages.h"
#include "framework/CMessageBoxCapture.h"
#include "res/EditorResource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
using KeyEvents = std::vector<std::pair<UINT, bool>>;

const std::string kMarker = "=> [remove on faster speed]";

LPARAM Window(int n)
{
    return 0x7000 + n;
}

// Windows 1 and 2 belong to one program, window 3 to another; others fail.
int FakeWinInfo(HWND hWnd, RecordedWindowInfo& info)
{
    const LPARAM n = reinterpret_cast<LPARAM>(hWnd) - Window(0);
    if (n < 1 || n > 3)
        return 0;
    info.hWnd = hWnd;
    info.WinPath = n == 3 ? "C:\\two.exe" : "C:\\one.exe";
    return 1;
}

// A recorder window of this process that lives in the test's time.
class TestRecorder : public CRecordRobotDlg
{
public:
    explicit TestRecorder(int mode = 1)
    {
        SetMode(mode);
        Fake(*this);
        EXPECT_TRUE(Create(IDD));
    }
    ~TestRecorder() override { DestroyWindow(); }

    static void Fake(CRecordRobotDlg& recorder)
    {
        recorder.SetEnvironment({[] { return s_dwNow; }, [] { return s_hForeground; }, nullptr, FakeWinInfo});
        s_hForeground = reinterpret_cast<HWND>(Window(1));
    }
    static void Mouse(CRecordRobotDlg& recorder, DWORD time, UINT message, LPARAM lParam)
    {
        s_dwNow = time;
        recorder.SendMessage(WM_HOOK_MOUSE, message, lParam);
    }
    // Key events 10 ms apart from the time given.
    static void Keys(CRecordRobotDlg& recorder, const KeyEvents& events, DWORD time = 1000)
    {
        for (const auto& event : events) {
            s_dwNow = time += 10;
            recorder.SendMessage(WM_HOOK_KEY, event.first, MAKELPARAM(0, event.second ? WM_KEYDOWN : WM_KEYUP));
        }
    }
    static void Click(CRecordRobotDlg& recorder, int id)
    {
        recorder.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                             reinterpret_cast<LPARAM>(::GetDlgItem(recorder, id)));
    }
    void Mouse(DWORD time, UINT message, LPARAM lParam) { Mouse(*this, time, message, lParam); }
    void Keys(const KeyEvents& events, DWORD time = 1000) { Keys(*this, events, time); }
    void Stop() { Click(*this, IDC_RECORD_STOP); }
    Lines Recorded() const
    {
        Lines lines;
        for (int i = 0; i < GetLineCount(); ++i)
            lines.push_back(GetLine(i).GetString());
        return lines;
    }
    std::vector<int> WinIndexes() const
    {
        std::vector<int> indexes;
        RecordedWindowInfo record;
        for (int i = 0; GetRecordedWindow(i, record); ++i)
            indexes.push_back(record.WinIndex);
        return indexes;
    }

    static DWORD s_dwNow;
    static HWND s_hForeground;
};

DWORD TestRecorder::s_dwNow = 0;
HWND TestRecorder::s_hForeground = nullptr;

TEST(RecorderTest, ASequenceGivesTheLinesAndTheWindowOfTheRules)
{
    TestRecorder recorder;
    recorder.Mouse(1000, WM_LBUTTONDOWN, Window(1));
    recorder.Mouse(1120, WM_LBUTTONUP, Window(1));
    recorder.Mouse(1130, WM_MOUSEMOVE, MAKELPARAM(300, 200));
    recorder.Mouse(1140, WM_MOUSEMOVE, MAKELPARAM(310, 205));
    recorder.Mouse(1200, WM_MOUSEMOVE, MAKELPARAM(320, 210));
    recorder.Keys({{'A', true}}, 1690);
    recorder.Keys({{'A', false}}, 1770);
    recorder.Keys({{'B', true}}, 2770);
    recorder.Stop();
    EXPECT_EQ(recorder.Recorded(),
              (Lines{"Mouse Left Down At Win [0]", "Wait 120 milliseconds", "Mouse Left Up", "Mouse move to 300, 200",
                     "Wait 60 milliseconds" + kMarker, "Mouse move to 320, 210", "Wait 500 milliseconds" + kMarker,
                     "Key Down A", "Key Up A"}));
    EXPECT_EQ(recorder.WinIndexes(), std::vector<int>{1});
    EXPECT_EQ(recorder.GetLine(9), "");
}

TEST(RecorderTest, AMoveWithin20MillisecondsOfTheLastKeptOneIsLeftOutUnlessAllAreRecorded)
{
    for (UINT all : {BST_UNCHECKED, BST_CHECKED}) {
        TestRecorder recorder;
        recorder.CheckDlgButton(IDC_RECORD_ALL_MOVES, all);
        recorder.UpdateData(TRUE);
        for (DWORD time : {1000, 1015, 1020})
            recorder.Mouse(time, WM_MOUSEMOVE, MAKELPARAM(time - 1000, 0));
        Lines expected = {"Mouse move to 0, 0", "Mouse move to 15, 0" + kMarker, "Mouse move to 20, 0" + kMarker};
        if (all == BST_UNCHECKED)
            expected.erase(expected.begin() + 1);
        EXPECT_EQ(recorder.Recorded(), expected) << all;
    }
}

TEST(RecorderTest, KeyDownWaitsAreMarkedBelow800Milliseconds)
{
    const std::pair<DWORD, const char*> kCases[] = {{200, "Key Down B At Win [0]"},
                                                    {500, "Wait 500 milliseconds=> [remove on faster speed]"},
                                                    {900, "Wait 900 milliseconds"}};
    for (const auto& c : kCases) {
        TestRecorder recorder;
        recorder.Keys({{'A', false}});
        recorder.Keys({{'B', true}}, 1000 + c.first);
        EXPECT_EQ(recorder.GetLine(1), c.second) << c.first;
    }
}

TEST(RecorderTest, KeyLinesFollowTheKeyRules)
{
    const std::pair<KeyEvents, Lines> kCases[] = {
        {{{VK_TAB, true}, {VK_TAB, false}}, {"Key Down <Tab>", "Wait 200 milliseconds", "Key Up <Tab>"}},
        {{{'A', false}}, {"Key Press A"}},
        // Keys released after the Windows key take the place of its release,
        // which moves to the end.
        {{{VK_LWIN, true}, {VK_LWIN, false}, {'E', false}, {'F', false}},
         {"Key Down <L Win>", "Key Press E", "Key Press F", "Key Up <L Win>"}},
        {{{VK_LWIN, true}, {'E', false}, {VK_LWIN, false}, {VK_RWIN, false}},
         {"Key Down <L Win>", "Key Press E", "Key Up <L Win>"}},
        {{{VK_LWIN, true}, {'A', true}, {VK_LWIN, false}, {'E', false}},
         {"Key Down <L Win>", "Key Down A", "Key Up <L Win>", "Key Press E"}},
    };
    for (const auto& c : kCases) {
        TestRecorder recorder;
        TestRecorder::s_hForeground = recorder.m_hWnd;
        recorder.Keys(c.first);
        EXPECT_EQ(recorder.Recorded(), c.second);
    }
}

TEST(RecorderTest, AHiddenStartDropsTheReleasesOfTheRecordingHotkey)
{
    TestRecorder recorder(0);
    EXPECT_FALSE(recorder.IsWindowVisible());
    recorder.Keys({{VK_LCONTROL, false}, {VK_MENU, false}, {'R', false}});
    recorder.Keys({{'A', true}, {VK_CONTROL, false}}, 5000);
    EXPECT_EQ(recorder.Recorded(), (Lines{"Key Down A At Win [0]", "Key Press <Ctrl>"}));
}

TEST(RecorderTest, StopDropsUnansweredAndTrailingLinesAndKeepsPausedMovesAtFasterSpeed)
{
    TestRecorder recorder;
    recorder.Keys({{'A', true}, {'B', true}, {'B', false}});
    for (DWORD time : {1500, 1560, 1700})
        recorder.Mouse(time, WM_MOUSEMOVE, MAKELPARAM(time - 1000, 0));
    recorder.Keys({{'C', true}}, 2000);
    recorder.Stop();
    EXPECT_EQ(recorder.Recorded(), (Lines{"Key Down B", "Key Up B", "Wait 470 milliseconds", "Mouse move to 500, 0",
                                          "Wait 60 milliseconds" + kMarker, "Mouse move to 560, 0",
                                          "Wait 140 milliseconds" + kMarker, "Mouse move to 700, 0" + kMarker}));
}

TEST(RecorderTest, MouseEventsRecordTheirWindowsNumberedPerProgram)
{
    TestRecorder recorder;
    recorder.SendMessage(WM_HOOK_CURSOR, 0, MAKELPARAM(-7, 8));
    const std::pair<UINT, LPARAM> kEvents[] = {
        {WM_RBUTTONDOWN, Window(1)},
        {WM_NCLBUTTONDBLCLK, Window(1)},
        {WM_RBUTTONDOWN, Window(2)},
        {WM_LBUTTONDOWN, Window(1)},
        {WM_LBUTTONDOWN, Window(3)},
        {WM_LBUTTONDOWN, Window(99)},
        {WM_MOUSEWHEEL, 1},
        {WM_MOUSEWHEEL, 0},
        {WM_MBUTTONDOWN, Window(1)},
        {WM_NCRBUTTONUP, Window(1)},
        {WM_LBUTTONUP, reinterpret_cast<LPARAM>(recorder.GetDlgItem(IDC_RECORD_STOP)->m_hWnd)},
    };
    DWORD time = 1000;
    for (const auto& event : kEvents)
        recorder.Mouse(time += 10, event.first, event.second);
    TestRecorder::s_hForeground = recorder.m_hWnd;
    recorder.Mouse(time += 10, WM_MOUSEWHEEL, 1);
    EXPECT_EQ(recorder.Recorded(),
              (Lines{"Mouse move to -7, 8", "Mouse Right Down At Win [0]", "Mouse Double Click",
                     "Mouse Right Down At Win [1]", "Mouse Left Down At Win [2]", "Mouse Left Down At Win [3]",
                     "Mouse Left Down", "Mouse Scroll Up", "Mouse Scroll Down", "Mouse Right Up"}));
    EXPECT_EQ(recorder.WinIndexes(), (std::vector<int>{1, 2, 1, 1}));
}

TEST(RecorderTest, TheHelpLinkOpensTheHelpPageOrSaysItCannot)
{
    TestRecorder recorder;
    for (BOOL opened : {TRUE, FALSE}) {
        std::string target;
        const ShellOpenFunction previous = SetShellOpenFunction([&](HWND, const char* address, int show) {
            EXPECT_EQ(show, SW_SHOW);
            target = address;
            return opened;
        });
        CMessageBoxCapture boxes;
        NMHDR click = {::GetDlgItem(recorder, IDC_RECORD_HELP), IDC_RECORD_HELP, CLabel::NM_LINKCLICK};
        recorder.SendMessage(WM_NOTIFY, IDC_RECORD_HELP, reinterpret_cast<LPARAM>(&click));
        SetShellOpenFunction(previous);
        EXPECT_EQ(target, "https://www.orvantis.example/tapforge/recording-help");
        ASSERT_EQ(boxes.Requests().size(), opened ? 0u : 1u);
        if (!opened) {
            EXPECT_EQ(boxes.Requests()[0].text, "Unable to load web " + target + ".");
        }
    }
}

// Plays the part of the editor, writing down what the pane asks of it.
class StandInEditor : public IRobotEditor
{
public:
    void AddActionLine(const CString& line) override { m_arrCalls.push_back(line.Str()); }
    void FocusActionList() override {}
    void AddRecordedWindow(const RecordedWindowInfo& record) override { m_arrCalls.push_back(record.WinPath.Str()); }
    void ClearRecordedWindows() override { m_arrCalls.push_back("clear"); }
    void ShowEditor(int nCmdShow) override { m_arrCalls.push_back("show " + std::to_string(nCmdShow)); }

    Lines m_arrCalls;
};

// What the user does in the recorder that the pane runs modally: A pressed,
// then the button given.
int g_nEndButton = IDC_RECORD_STOP;
bool g_bPressA = true;
int g_nRecorderRuns = 0;
bool g_bRecorderVisible = false;

BOOL CALLBACK DriveRecorder(HWND hWnd, LPARAM)
{
    auto* recorder = dynamic_cast<CRecordRobotDlg*>(CWnd::FromHandlePermanent(hWnd));
    if (!recorder)
        return TRUE;
    ++g_nRecorderRuns;
    g_bRecorderVisible = recorder->IsWindowVisible() != FALSE;
    TestRecorder::Fake(*recorder);
    if (g_bPressA)
        TestRecorder::Keys(*recorder, {{'A', true}, {'A', false}});
    TestRecorder::Click(*recorder, g_nEndButton);
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
        bool pressA;
        int end;
        Lines calls;
    } kCases[] = {
        {true,
         IDC_RECORD_STOP,
         {"show 0", "Comment: ==== Start recorded actions ====", "Key Down A At Win [0]", "Key Up A",
          "Comment: ==== End of recorded actions ====", "clear", "C:\\one.exe", "show 1"}},
        {false, IDC_RECORD_STOP, {"show 0", "clear", "show 1"}},
        {true, IDCANCEL, {"show 0", "show 1"}},
    };
    for (const auto& c : kCases) {
        g_bPressA = c.pressA;
        g_nEndButton = c.end;
        StandInEditor editor;
        CRecordPane pane(&editor);
        ::SetTimer(nullptr, 0, 10, OnRecorderOpen);
        pane.RecordIntoRobot();
        EXPECT_EQ(editor.m_arrCalls, c.calls);
    }
}

TEST(RecordPaneTest, TheEditorRecordsOnlyThroughAnAttachedPaneWithAWindow)
{
    g_bPressA = true;
    g_nEndButton = IDC_RECORD_STOP;
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
    HWND list = GetDlgItem(editor.m_hWnd, IDC_EDITOR_ACTIONS);
    char line[64] = "";
    ListView_GetItemText(list, 1, 1, line, sizeof line);
    EXPECT_EQ(ListView_GetItemCount(list), 4);
    EXPECT_STREQ(line, "Key Down A At Win [0]");
    EXPECT_EQ(editor.GetRobot().m_vecRecWinInfo.size(), 1u);
    EXPECT_TRUE(editor.IsWindowVisible());

    // The quick recording runs hidden and leaves the editor hidden.
    ::SetTimer(nullptr, 0, 10, OnRecorderOpen);
    editor.StartQuickRecord();
    EXPECT_EQ(g_nRecorderRuns, 2);
    EXPECT_FALSE(g_bRecorderVisible);
    EXPECT_FALSE(editor.IsWindowVisible());
    pane.DestroyWindow();
    editor.DestroyWindow();
}

}  // namespace
