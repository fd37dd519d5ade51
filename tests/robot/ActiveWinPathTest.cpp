#include "robot/CActiveWinPath.h"
#include "framework/CNonCopyable.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

namespace {

const char kAlpha[] = "WinPath Alpha";
const char kBeta[] = "WinPath Beta";

bool EndsWithNoCase(const CString& text, const char* tail)
{
    const int length = static_cast<int>(std::strlen(tail));
    return text.GetLength() >= length && text.Right(length).CompareNoCase(tail) == 0;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECT WindowRect(HWND hWnd)
{
    RECT rect = {};
    GetWindowRect(hWnd, &rect);
    return rect;
}

// Two target windows of the same program, started once for all cases.
class ActiveWinPath : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        e2e::StartProgram("tapwin.exe", std::string("--title \"") + kAlpha + "\" --pos 40,40");
        s_alpha = e2e::WaitForWindow(kAlpha, 30000);
        e2e::StartProgram("tapwin.exe", std::string("--title \"") + kBeta + "\" --pos 560,40");
        s_beta = e2e::WaitForWindow(kBeta, 30000);
    }
    static void TearDownTestSuite() { e2e::EndStartedProcesses(); }

    void SetUp() override
    {
        ASSERT_NE(nullptr, s_alpha);
        ASSERT_NE(nullptr, s_beta);
    }

    // The record of alpha as identified, moved to a new place.
    static RecordedWindowInfo AlphaRecord(const RECT& place)
    {
        RecordedWindowInfo info;
        CActiveWinPath identity;
        EXPECT_EQ(1, identity.GetWinInfo(s_alpha, info));
        info.hWnd = nullptr;
        info.WinRect = place;
        return info;
    }

    static void BringToFront(HWND hWnd)
    {
        SetForegroundWindow(hWnd);
        for (int i = 0; i < 100 && GetForegroundWindow() != hWnd; ++i)
            Sleep(20);
    }

    static HWND s_alpha;
    static HWND s_beta;
};

HWND ActiveWinPath::s_alpha = nullptr;
HWND ActiveWinPath::s_beta = nullptr;

}  // namespace

TEST_F(ActiveWinPath, IdentifiesTheTopLevelWindowOfAControl)
{
    HWND edit = FindWindowExA(s_alpha, nullptr, "Edit", nullptr);
    ASSERT_NE(nullptr, edit);
    RecordedWindowInfo info;
    info.WinIndex = 7;
    CActiveWinPath identity;
    ASSERT_EQ(1, identity.GetWinInfo(edit, info));
    EXPECT_EQ(s_alpha, info.hWnd);
    EXPECT_EQ(kAlpha, std::string(info.WinTitle));
    EXPECT_TRUE(EndsWithNoCase(info.WinPath, "\\tapwin.exe")) << info.WinPath.GetString();
    EXPECT_TRUE(SameRect(WindowRect(s_alpha), info.WinRect));
    EXPECT_EQ(0, info.WinParentLevel);
    EXPECT_EQ(7, info.WinIndex);

    CString path;
    EXPECT_EQ(1, identity.GetProcessPath(s_beta, path));
    EXPECT_EQ(0, path.CompareNoCase(info.WinPath));
    EXPECT_EQ(0, identity.GetWinInfo(nullptr, info));
}

TEST_F(ActiveWinPath, ExactMatchIsRestoredAndMovedToTheRecordedPlace)
{
    const RECT place = {120, 90, 620, 390};
    RecordedWindowInfo info = AlphaRecord(place);
    ShowWindow(s_alpha, SW_MINIMIZE);
    BringToFront(s_beta);

    CActiveWinPath identity;
    ASSERT_EQ(1, identity.ActivateWin(info, 1));
    EXPECT_EQ(s_alpha, info.hWnd);
    EXPECT_FALSE(IsIconic(s_alpha));
    EXPECT_EQ(s_alpha, GetForegroundWindow());
    EXPECT_TRUE(SameRect(place, WindowRect(s_alpha)));
}

TEST_F(ActiveWinPath, AnyDepthMatchesButAnotherDepthDoesNot)
{
    RecordedWindowInfo info = AlphaRecord({40, 40, 520, 300});
    info.WinParentLevel = -1;
    CActiveWinPath anyDepth;
    EXPECT_EQ(1, anyDepth.ActivateWin(info, 1));
    EXPECT_EQ(s_alpha, info.hWnd);

    info.WinParentLevel = 1;
    CActiveWinPath otherDepth;
    EXPECT_EQ(0, otherDepth.ActivateWin(info, 1));
    EXPECT_EQ(0, otherDepth.ActivateWin(info, 0));
}

TEST_F(ActiveWinPath, ASimilarTitleIsTakenOnlyWhenAllowed)
{
    RecordedWindowInfo info = AlphaRecord({560, 40, 1040, 300});
    info.WinTitle = "WinPath Gone";
    CActiveWinPath identity;
    identity.m_SkipList.push_back(s_alpha);
    EXPECT_EQ(0, identity.ActivateWin(info, 1));
    EXPECT_EQ(1, identity.ActivateWin(info, 0));
    EXPECT_EQ(s_beta, info.hWnd);
    EXPECT_EQ(s_beta, GetForegroundWindow());
    EXPECT_EQ("WinPath Gone", std::string(identity.m_Target.WinTitle));
}

TEST_F(ActiveWinPath, AHiddenWindowIsTheCandidateOnlyWhenNoVisibleOneIs)
{
    RecordedWindowInfo info = AlphaRecord({40, 40, 520, 300});
    info.WinTitle = "WinPath Gone";
    ShowWindow(s_alpha, SW_HIDE);
    CActiveWinPath visibleFirst;
    EXPECT_EQ(1, visibleFirst.ActivateWin(info, 0));
    EXPECT_EQ(s_beta, info.hWnd);
    EXPECT_FALSE(IsWindowVisible(s_alpha));

    CActiveWinPath hiddenOnly;
    hiddenOnly.m_SkipList.push_back(s_beta);
    EXPECT_EQ(0, hiddenOnly.ActivateWin(info, 1));
    EXPECT_EQ(1, hiddenOnly.ActivateWin(info, 0));
    EXPECT_EQ(s_alpha, info.hWnd);
    EXPECT_TRUE(IsWindowVisible(s_alpha));
    EXPECT_TRUE(SameRect(info.WinRect, WindowRect(s_alpha)));
}

TEST_F(ActiveWinPath, SkippedWindowsAreNeverChosen)
{
    RecordedWindowInfo info = AlphaRecord({40, 40, 520, 300});
    CActiveWinPath identity;
    identity.m_SkipList = {s_alpha, s_beta};
    EXPECT_EQ(0, identity.ActivateWin(info, 1));
    // The program's hidden windows (its input-method window) are no candidates.
    EXPECT_EQ(0, identity.ActivateWin(info, 0));
}

TEST_F(ActiveWinPath, EachSearchForgetsThePreviousCandidate)
{
    RecordedWindowInfo info = AlphaRecord({40, 40, 520, 300});
    info.WinTitle = "WinPath Gone";
    CActiveWinPath identity;
    EXPECT_EQ(0, identity.ActivateWin(info, 1));
    EXPECT_NE(nullptr, identity.m_hCandidate);
    identity.m_SkipList = {s_alpha, s_beta};
    EXPECT_EQ(0, identity.ActivateWin(info, 0));
    EXPECT_EQ(nullptr, info.hWnd);
}

TEST_F(ActiveWinPath, APresetMatchIsRestoredWithoutASearch)
{
    RecordedWindowInfo info = AlphaRecord({560, 40, 1040, 300});
    BringToFront(s_alpha);
    CActiveWinPath identity;
    identity.m_hMatch = s_beta;
    EXPECT_EQ(1, identity.ActivateWin(info, 1));
    EXPECT_EQ(s_beta, info.hWnd);
    EXPECT_EQ(s_beta, GetForegroundWindow());
    // A failed search on the same object keeps the preset match.
    EXPECT_EQ(s_beta, identity.m_hMatch);
}

TEST_F(ActiveWinPath, PseudoWindowsAreHandledWithoutASearch)
{
    RecordedWindowInfo taskBar;
    taskBar.WinTitle = "task bar";
    taskBar.WinPath = "Task Bar";
    CActiveWinPath identity;
    EXPECT_EQ(1, identity.ActivateWin(taskBar, 1));
    EXPECT_EQ(nullptr, taskBar.hWnd);

    RecordedWindowInfo dimmed;
    dimmed.WinTitle = "Dimmed Desktop";
    dimmed.WinPath = "Dimmed Desktop";
    EXPECT_EQ(1, identity.ActivateWin(dimmed, 1));
}

TEST_F(ActiveWinPath, AWindowClosedBeforeRestoreGivesNothing)
{
    e2e::Started gone = e2e::StartProgram("tapwin.exe", "--title \"WinPath Closing\" --pos 300,300");
    HWND closing = e2e::WaitForWindow("WinPath Closing", 30000);
    ASSERT_NE(nullptr, closing);
    RecordedWindowInfo info;
    CActiveWinPath recorder;
    ASSERT_EQ(1, recorder.GetWinInfo(closing, info));
    PostMessageA(closing, WM_CLOSE, 0, 0);
    ASSERT_EQ(0, e2e::WaitForExit(gone, 30000));

    CActiveWinPath preset;
    preset.m_hMatch = closing;
    EXPECT_EQ(0, preset.ActivateWin(info, 1));
    CActiveWinPath search;
    search.m_SkipList = {s_alpha, s_beta};
    EXPECT_EQ(0, search.ActivateWin(info, 0));
}

namespace {

// A hidden top-level window of this process with the given class and title.
class LocalWindow : private CNonCopyable
{
public:
    LocalWindow(const char* className, const char* title)
        : m_hWnd(e2e::CreateTestWindow(className, DefWindowProcA, title, WS_OVERLAPPEDWINDOW, {30, 40, 260, 180}))
    {
    }
    ~LocalWindow() { DestroyWindow(m_hWnd); }

    HWND Get() const { return m_hWnd; }

private:
    HWND m_hWnd = nullptr;
};

struct HiddenCase
{
    const char* what;
    DWORD style;
    DWORD exStyle;
    bool chosen;
};

struct PseudoCase
{
    const char* className;
    const char* title;
    const char* recordTitle;
    const char* recordPath;
};

}  // namespace

TEST(ActiveWinPathNames, ShellWindowsAreRecordedUnderTheirPseudoNames)
{
    // Class names in another case than the shell's, and the start-menu title too.
    const PseudoCase cases[] = {
        {"workerw", "Any", "Desktop", "Program Manager"},
        {"WinPathPlain", "Program Manager", "Desktop", "Program Manager"},
        {"basebar", "Any", "Start Menu", "Start Menu"},
        {"shell_traywnd", "", "Task Bar", "Task Bar"},
        {"DIMMEDWINDOWCLASS", "Any", "Dimmed Desktop", "Dimmed Desktop"},
        {"fakedesktopwclass", "Any", "Dimmed Desktop", "Dimmed Desktop"},
        {"dv2controlhost", "start menu", "Start Menu", "Start Menu"},
    };
    for (const PseudoCase& c : cases) {
        SCOPED_TRACE(c.className);
        LocalWindow window(c.className, c.title);
        ASSERT_NE(nullptr, window.Get());
        RecordedWindowInfo info;
        CActiveWinPath identity;
        ASSERT_EQ(1, identity.GetWinInfo(window.Get(), info));
        EXPECT_EQ(c.recordTitle, std::string(info.WinTitle));
        EXPECT_EQ(c.recordPath, std::string(info.WinPath));
        EXPECT_EQ(window.Get(), info.hWnd);
        EXPECT_TRUE(SameRect(WindowRect(window.Get()), info.WinRect));
    }

    // The start-menu host under another title is an ordinary window.
    LocalWindow host("DV2ControlHost", "Other");
    RecordedWindowInfo info;
    CActiveWinPath identity;
    ASSERT_EQ(1, identity.GetWinInfo(host.Get(), info));
    EXPECT_EQ("Other", std::string(info.WinTitle));
    CString ownPath;
    ASSERT_EQ(1, identity.GetProcessPath(host.Get(), ownPath));
    EXPECT_EQ(std::string(ownPath), std::string(info.WinPath));
}

TEST(ActiveWinPathNames, AHiddenCandidateIsAWindowAUserCouldHaveWorkedIn)
{
    const HiddenCase cases[] = {
        {"main window", WS_OVERLAPPEDWINDOW, 0, true},
        {"ownerless tooltip", WS_POPUP | WS_BORDER, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, false},
        {"splash", WS_POPUP, 0, false},
        {"tool window", WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW, false},
    };
    for (const HiddenCase& c : cases) {
        SCOPED_TRACE(c.what);
        LocalWindow window("WinPathHidden", "WinPath Hidden");
        SetWindowLongA(window.Get(), GWL_STYLE, static_cast<LONG>(c.style));
        SetWindowLongA(window.Get(), GWL_EXSTYLE, static_cast<LONG>(c.exStyle));
        RecordedWindowInfo info;
        CActiveWinPath recorder;
        ASSERT_EQ(1, recorder.GetWinInfo(window.Get(), info));
        info.hWnd = nullptr;
        info.WinTitle = "WinPath Gone";
        CActiveWinPath identity;
        EXPECT_EQ(c.chosen ? 1 : 0, identity.ActivateWin(info, 0));
        EXPECT_EQ(c.chosen ? window.Get() : nullptr, info.hWnd);
    }
}

TEST(ActiveWinPathNames, PseudoRecordsAreHandledWhateverTheirCase)
{
    const char* const pseudo[][2] = {{"start menu", "START MENU"}, {"Task Bar", "task bar"}};
    for (const auto& names : pseudo) {
        RecordedWindowInfo info;
        info.WinTitle = names[0];
        info.WinPath = names[1];
        CActiveWinPath identity;
        EXPECT_EQ(1, identity.ActivateWin(info, 1)) << names[0];
    }
    // A pseudo title with an ordinary path is searched for, and not found.
    RecordedWindowInfo mixed;
    mixed.WinTitle = "Task Bar";
    mixed.WinPath = "C:\\nowhere\\none.exe";
    CActiveWinPath identity;
    EXPECT_EQ(0, identity.ActivateWin(mixed, 0));
}
