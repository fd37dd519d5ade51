// The program as a user meets it: robot files in the script folder, the main
// window's list, "-a" starts, a second instance, hotkeys, quitting, the tips,
// About, the Schedule command, and the options and share dialogs.
#include "app/RunningInstanceWindow.h"
#include "framework/AfxMessageBox.h"
#include "res/ScheduleResource.h"
#include "res/TapforgeResource.h"
#include "schedule/CTaskScheduler.h"
#include "tests/schedule/ScheduleTestJobs.h"

#include "e2e/E2eSupport.h"
#include "e2e/ProgramTest.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const DWORD kStartTimeoutMs = 30000;
const int kQuitExitCode = 18;
const int kRobotListId = 1001;
const UINT kTrayNotify = WM_APP + 1;
const int kTrayHide = 32772;
const int kTrayAbout = 32774;
const int kTrayExit = 32775;
const int kOptionsCommand = 1003;
const int kShareCommand = 1148;
const int kShareBrowserId = 1068;
const char kTipsCaption[] = "Tips of the day";

class AppE2eTest : public e2e::ProgramTest
{
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        m_output = e2e::TempFilePath("app_e2e");
        DeleteFileA(m_output.c_str());
    }

    void TearDown() override
    {
        ProgramTest::TearDown();
        DeleteFileA(m_output.c_str());
    }

    void WriteRobot(const std::string& name, const std::vector<std::string>& lines, const e2e::RobotHeader& header)
    {
        ASSERT_TRUE(e2e::WriteRobotFile(e2e::ScriptFolder(), name, lines, header));
    }

    // A script line that appends a line to the test's output file.
    std::string WriteLine(const std::string& text) const
    {
        return "FileWriteLine(\"" + m_output + "\", \"" + text + "\")";
    }

    size_t OutputLineCount() const { return e2e::ReadLines(m_output).size(); }

    // Starts the program and waits for the tips that follow the main window;
    // null when they did not come.
    HWND StartAndWaitForTips()
    {
        StartTapforge();
        if (!WaitForMainDialog())
            return nullptr;
        return e2e::WaitForWindow(kTipsCaption, 10000);
    }

    // Starts the program, selects the robot's row and presses Schedule.
    void ScheduleRobot(const std::string& name)
    {
        StartTapforge();
        HWND dialog = WaitForMainDialog();
        ASSERT_TRUE(dialog);
        HWND list = GetDlgItem(dialog, kRobotListId);
        ASSERT_EQ(e2e::ListCellText(list, 0, 1), name);
        ASSERT_TRUE(e2e::SelectListRow(list, 0));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SCHEDULE_ROBOT, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_SCHEDULE_ROBOT)));
    }

    static std::string OptionsFile() { return e2e::DataFolder() + "\\option.ini"; }

    std::string m_output;
};

// The tray icon's window: the main dialog's one child without a control id.
// Start-up adds it after the dialog shows, so it is waited for.
HWND FindTrayWindow(HWND dialog)
{
    HWND tray = nullptr;
    e2e::WaitUntil(
        [&] {
            for (HWND child = GetWindow(dialog, GW_CHILD); child && !tray; child = GetWindow(child, GW_HWNDNEXT)) {
                if (GetDlgCtrlID(child) == 0)
                    tray = child;
            }
            return tray != nullptr;
        },
        kStartTimeoutMs, 20);
    return tray;
}

bool WaitForVisibility(HWND window, bool visible)
{
    return e2e::WaitUntil([&] { return (IsWindowVisible(window) != FALSE) == visible; }, kStartTimeoutMs, 20);
}

void PressKeys(const std::string& chord)
{
    std::string output;
    ASSERT_EQ(e2e::RunAndCapture("presskeys.exe", chord, output, 10000), 0) << output;
}

// Whether the chord can be registered here, so nobody else holds it.
bool HotkeyIsFree(UINT modifiers, UINT key)
{
    if (!RegisterHotKey(nullptr, 0x7001, modifiers, key))
        return false;
    UnregisterHotKey(nullptr, 0x7001);
    return true;
}

}  // namespace

TEST_F(AppE2eTest, ListsOneRowPerRobotFileWithEnabledRowsChecked)
{
    e2e::RobotHeader enabled;
    enabled.enable = 1;
    WriteRobot("Alpha", {"$a = 1"}, enabled);
    WriteRobot("Beta", {"$b = 1"}, e2e::RobotHeader());
    WriteRobot("Gamma", {"$c = 1"}, enabled);
    CreateDirectoryA((e2e::ScriptFolder() + "\\Folder.txt").c_str(), nullptr);
    FILE* notes = std::fopen((e2e::ScriptFolder() + "\\notes.ini").c_str(), "wb");
    std::fclose(notes);
    // An enabled robot's file is written again when the list loads.
    {
        std::string text = e2e::ReadWholeFile(e2e::ScriptFolder() + "\\Gamma.txt");
        text.replace(text.find("RunAtBackground=0\r\n"), 19, "");
        FILE* file = std::fopen((e2e::ScriptFolder() + "\\Gamma.txt").c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }

    StartTapforge();
    HWND dialog = WaitForMainDialog();
    ASSERT_TRUE(dialog);
    HWND list = GetDlgItem(dialog, kRobotListId);
    ASSERT_TRUE(list);
    ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 3);

    // Rows follow the folder's enumeration order.
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((e2e::ScriptFolder() + "\\*.txt").c_str(), &entry);
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(entry.cFileName);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    ASSERT_EQ(names.size(), 3u);
    for (int row = 0; row < 3; ++row) {
        const UINT state = static_cast<UINT>(SendMessageA(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK));
        const bool checked = (state >> 12) == 2;
        EXPECT_EQ(checked, names[row] != "Beta.txt") << names[row];
    }
    EXPECT_NE(e2e::ReadWholeFile(e2e::ScriptFolder() + "\\Gamma.txt").find("RunAtBackground=0\r\n"), std::string::npos);
}

TEST_F(AppE2eTest, FirstStartWithAutoRunRunsTheRobotAndQuits)
{
    WriteRobot("Night Run", {WriteLine("ran")}, e2e::RobotHeader());
    e2e::Started started = StartTapforge("-A Night Run");
    EXPECT_EQ(e2e::WaitForExit(started, 60000), kQuitExitCode);
    EXPECT_EQ(e2e::ReadLines(m_output), std::vector<std::string>({"ran"}));
}

TEST_F(AppE2eTest, AutoRunOfAnUnknownRobotStillQuits)
{
    e2e::Started started = StartTapforge("-a nosuch");
    EXPECT_EQ(e2e::WaitForExit(started, 60000), kQuitExitCode);
}

TEST_F(AppE2eTest, SecondStartHandsTheRobotToTheFirst)
{
    WriteRobot("Robot 1", {WriteLine("handed over")}, e2e::RobotHeader());
    e2e::Started first = StartTapforge();
    ASSERT_TRUE(WaitForMainDialog());

    e2e::Started second = StartTapforge("-a robot 1");
    EXPECT_EQ(e2e::WaitForExit(second, 60000), 0);
    EXPECT_EQ(e2e::ReadLines(m_output), std::vector<std::string>({"handed over"}));
    EXPECT_EQ(WaitForSingleObject(first.process, 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

TEST_F(AppE2eTest, SecondStartWithAnUnknownRobotIsToldInTheFirst)
{
    e2e::Started first = StartTapforge();
    HWND dialog = WaitForMainDialog();
    ASSERT_TRUE(dialog);

    e2e::Started second = StartTapforge("-a nosuch");
    HWND box = e2e::WaitForMessageBox(first.pid, dialog, kStartTimeoutMs);
    ASSERT_TRUE(box);
    EXPECT_EQ(e2e::MessageBoxText(box), "Can not find the robot scheduled to run.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(e2e::WaitForExit(second, 30000), 0);
}

TEST_F(AppE2eTest, StartHotkeyRunsAndEndHotkeyStops)
{
    e2e::RobotHeader once;
    once.enable = 1;
    once.startKey = "Ctrl + Shift + <F7>";
    WriteRobot("Once", {WriteLine("once")}, once);
    e2e::RobotHeader looping;
    looping.enable = 1;
    looping.startKey = "Ctrl + Shift + <F8>";
    looping.endKey = "Ctrl + Shift + <F9>";
    looping.repeatOption = 1;
    WriteRobot("Looper", {WriteLine("tick")}, looping);

    StartTapforge();
    ASSERT_TRUE(WaitForMainDialog());
    PressKeys("ctrl+shift+f7");
    ASSERT_TRUE(e2e::WaitForFileLine(m_output, "once", 20000));

    PressKeys("ctrl+shift+f8");
    ASSERT_TRUE(e2e::WaitForFileLine(m_output, "tick", 20000));
    PressKeys("ctrl+shift+f9");
    Sleep(1000);
    const size_t afterStop = OutputLineCount();
    Sleep(1000);
    EXPECT_EQ(OutputLineCount(), afterStop);
    EXPECT_GT(afterStop, 1u);

    // The start keys are back once the run has ended.
    DeleteFileA(m_output.c_str());
    PressKeys("ctrl+shift+f7");
    EXPECT_TRUE(e2e::WaitForFileLine(m_output, "once", 20000));
}

TEST_F(AppE2eTest, NoneAndMalformedKeysRegisterNothing)
{
    ASSERT_TRUE(HotkeyIsFree(0, 'N'));
    ASSERT_TRUE(HotkeyIsFree(MOD_CONTROL, 'N'));
    ASSERT_TRUE(HotkeyIsFree(MOD_CONTROL, VK_PRIOR));
    e2e::RobotHeader none;
    none.enable = 1;
    none.startKey = "None";
    none.endKey = "Ctrl + Nonsense";
    WriteRobot("Unset", {"$a = 1"}, none);
    e2e::RobotHeader prior;
    prior.enable = 1;
    prior.startKey = "Ctrl + <Prior>";
    WriteRobot("Paging", {"$a = 1"}, prior);

    StartTapforge();
    ASSERT_TRUE(WaitForMainDialog());
    // The list has loaded, so every enabled robot's keys are registered.
    EXPECT_FALSE(HotkeyIsFree(MOD_CONTROL, VK_PRIOR));
    EXPECT_TRUE(HotkeyIsFree(0, 'N'));
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL, 'N'));
}

TEST_F(AppE2eTest, ClosingDuringARunEndsTheProgram)
{
    e2e::RobotHeader endless;
    endless.enable = 1;
    endless.startKey = "Ctrl + Shift + <F6>";
    endless.repeatOption = 1;
    WriteRobot("Endless", {WriteLine("tick")}, endless);

    e2e::Started started = StartTapforge();
    HWND dialog = WaitForMainDialog();
    ASSERT_TRUE(dialog);
    PressKeys("ctrl+shift+f6");
    ASSERT_TRUE(e2e::WaitForFileLine(m_output, "tick", 20000));

    PostMessageA(dialog, WM_CLOSE, 0, 0);
    HWND box = e2e::WaitForMessageBox(started.pid, dialog, kStartTimeoutMs);
    ASSERT_TRUE(box);
    EXPECT_NE(e2e::MessageBoxText(box).find("Are you sure you want to quit Tapforge?"), std::string::npos);
    PostMessageA(box, WM_COMMAND, IDYES, 0);
    EXPECT_EQ(e2e::WaitForExit(started, 30000), kQuitExitCode);
}

TEST_F(AppE2eTest, TrayHidesShowsAndExitsWithoutAQuestion)
{
    e2e::Started started = StartTapforge();
    HWND dialog = WaitForMainDialog();
    ASSERT_TRUE(dialog);
    HWND tray = FindTrayWindow(dialog);
    ASSERT_TRUE(tray);

    PostMessageA(tray, WM_COMMAND, kTrayHide, 0);
    ASSERT_TRUE(WaitForVisibility(dialog, false));
    PostMessageA(tray, kTrayNotify, 128, WM_LBUTTONDOWN);
    ASSERT_TRUE(WaitForVisibility(dialog, true));

    PostMessageA(tray, WM_COMMAND, kTrayExit, 0);
    EXPECT_EQ(e2e::WaitForExit(started, 30000), kQuitExitCode);
}

TEST_F(AppE2eTest, OptionsOpensAndClosesWithOk)
{
    e2e::Started started = StartTapforge();
    HWND dialog = WaitForMainDialog();
    ASSERT_TRUE(dialog);
    PostMessageA(dialog, WM_COMMAND, kOptionsCommand, 0);
    HWND options = e2e::WaitForWindow("Options", kStartTimeoutMs);
    ASSERT_TRUE(options);
    PostMessageA(options, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(e2e::WaitForWindowGone("Options", kStartTimeoutMs));
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowEnabled(dialog) != FALSE; }, kStartTimeoutMs));
    EXPECT_EQ(WaitForSingleObject(started.process, 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

TEST_F(AppE2eTest, ShareShowsTheRobotsPageMaximisedAndClosesCleanly)
{
    e2e::RobotHeader header;
    header.description = "Shared by the test";
    WriteRobot("Sharing", {"$a = 1"}, header);
    e2e::Started started = StartTapforge();
    HWND dialog = WaitForMainDialog();
    ASSERT_TRUE(dialog);
    // A click on the first row's Name cell, just below the column headings,
    // clicked again while no row is selected: the window may still be moving
    // into place when the first click comes. The pause between clicks is
    // longer than a double click.
    HWND list = GetDlgItem(dialog, kRobotListId);
    HWND headings = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
            if (SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 0)
                return true;
            RECT place;
            GetWindowRect(headings, &place);
            e2e::LeftClickAt({place.left + 80, place.bottom + 5});
            return false;
        },
        kStartTimeoutMs, 1000));

    PostMessageA(dialog, WM_COMMAND, kShareCommand, 0);
    HWND share = e2e::WaitForWindow("Upload Macro", kStartTimeoutMs);
    ASSERT_TRUE(share);
    EXPECT_TRUE(IsZoomed(share));
    // The page is written once the browser has taken the static's place.
    const std::string pagePath = e2e::DataFolder() + "\\share\\robot_share.html";
    ASSERT_TRUE(e2e::WaitForFileLine(pagePath, "</HTML>", kStartTimeoutMs));
    HWND browser = GetDlgItem(share, kShareBrowserId);
    ASSERT_TRUE(browser);
    char className[64] = {};
    GetClassNameA(browser, className, sizeof className);
    EXPECT_STRNE(className, "Static");
    RECT place;
    GetWindowRect(browser, &place);
    const POINT origin = e2e::ClientToScreenPoint(share, 30, 30);
    EXPECT_EQ(place.left, origin.x);
    EXPECT_EQ(place.top, origin.y);
    const std::string page = e2e::ReadWholeFile(pagePath);
    EXPECT_NE(page.find("NAME=script_name size=100 value=\"Sharing.txt\""), std::string::npos);
    EXPECT_NE(page.find("NAME=script_description value=\"Shared by the test\""), std::string::npos);

    PostMessageA(share, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(e2e::WaitForWindowGone("Upload Macro", kStartTimeoutMs));
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowEnabled(dialog) != FALSE; }, kStartTimeoutMs));
    EXPECT_EQ(WaitForSingleObject(started.process, 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

// "tips.txt" lies beside the program, where every other test would meet it:
// these tests remove it again.
class TipsE2eTest : public AppE2eTest
{
protected:
    void SetUp() override
    {
        AppE2eTest::SetUp();
        ASSERT_TRUE(e2e::WriteWholeFile(TipsFile(), "First tip\r\n\r\nThird tip\r\n"));
    }

    void TearDown() override
    {
        AppE2eTest::TearDown();
        DeleteFileA(TipsFile().c_str());
    }

    static std::string TipsFile() { return e2e::BinPath("tips.txt"); }
};

TEST_F(TipsE2eTest, EscapeClosesTheTipsAndWritesNothing)
{
    HWND tips = StartAndWaitForTips();
    ASSERT_TRUE(tips);
    PostMessageA(GetDlgItem(tips, IDC_NEXT_TIP), BM_CLICK, 0, 0);
    PostMessageA(tips, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(e2e::WaitForWindowGone(kTipsCaption, kStartTimeoutMs));
    EXPECT_EQ(GetFileAttributesA(OptionsFile().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(TipsE2eTest, DoNotShowAgainIsKeptEvenWithoutADataFolder)
{
    const std::string data = e2e::DataFolder();
    RemoveDirectoryA(e2e::ScriptFolder().c_str());
    ASSERT_TRUE(RemoveDirectoryA(data.c_str()));
    RemoveDirectoryA(data.substr(0, data.rfind('\\')).c_str());

    HWND tips = StartAndWaitForTips();
    ASSERT_TRUE(tips);
    SendMessageA(GetDlgItem(tips, IDC_DONT_SHOW_TIPS), BM_CLICK, 0, 0);
    PostMessageA(GetDlgItem(tips, IDCANCEL), BM_CLICK, 0, 0);
    ASSERT_TRUE(e2e::WaitForWindowGone(kTipsCaption, kStartTimeoutMs));
    ASSERT_TRUE(e2e::WaitUntil([] { return !e2e::ReadWholeFile(OptionsFile()).empty(); }, kStartTimeoutMs));
    EXPECT_EQ(e2e::ReadWholeFile(OptionsFile()), "showtip=0\r\n");

    e2e::EndStartedProcesses();
    StartTapforge();
    ASSERT_TRUE(WaitForMainDialog());
    EXPECT_FALSE(e2e::WaitForWindow(kTipsCaption, 3000));
}

TEST_F(TipsE2eTest, OnlyAZeroTurnsTheTipsOff)
{
    for (const char* value : {"showtip=00\r\n", "showtip=no\r\n"}) {
        ASSERT_TRUE(e2e::WriteWholeFile(OptionsFile(), value));
        HWND tips = StartAndWaitForTips();
        EXPECT_TRUE(tips) << value;
        e2e::EndStartedProcesses();
        e2e::WaitForWindowGone(kTipsCaption, kStartTimeoutMs);
    }
}

TEST_F(TipsE2eTest, AutoRunStartShowsNoTips)
{
    e2e::Started started = StartTapforge("-a nosuch");
    bool tipsSeen = false;
    e2e::WaitUntil(
        [&] {
            tipsSeen = tipsSeen || FindWindowA(nullptr, kTipsCaption) != nullptr;
            return WaitForSingleObject(started.process, 0) == WAIT_OBJECT_0;
        },
        60000, 20);
    EXPECT_EQ(e2e::WaitForExit(started, 0), kQuitExitCode);
    EXPECT_FALSE(tipsSeen);
}

TEST_F(AppE2eTest, TrayOpensAbout)
{
    StartTapforge();
    HWND dialog = WaitForMainDialog();
    ASSERT_TRUE(dialog);
    HWND tray = FindTrayWindow(dialog);
    ASSERT_TRUE(tray);
    PostMessageA(tray, WM_COMMAND, kTrayAbout, 0);
    HWND about = e2e::WaitForWindow("About Orvantis Tapforge", kStartTimeoutMs);
    ASSERT_TRUE(about);
    char address[64] = "";
    GetDlgItemTextA(about, IDC_ABOUT_SUPPORT, address, sizeof address);
    EXPECT_STREQ(address, "support@orvantis.example");
    PostMessageA(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(e2e::WaitForWindowGone("About Orvantis Tapforge", kStartTimeoutMs));
}

TEST_F(AppE2eTest, ScheduleWithoutAJobOpensTheWizard)
{
    WriteRobot("U1 Unscheduled", {"$a = 1"}, e2e::RobotHeader());
    ScheduleRobot("U1 Unscheduled");
    HWND wizard = e2e::WaitForWindow("Schedule Macro", kStartTimeoutMs);
    ASSERT_TRUE(wizard);
    PostMessageA(GetDlgItem(wizard, IDC_WIZARD_CANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(e2e::WaitForWindowGone("Schedule Macro", kStartTimeoutMs));
}

TEST_F(AppE2eTest, ScheduleOfARobotWithAJobListsItAndDeletes)
{
    const CString job = JobNameFor("U1 Listed");
    CTaskScheduler::DeleteTask(job);
    CScheduledTask task = MakeRobotTask("U1 Listed", MakeTrigger(TASK_TIME_TRIGGER_ONCE));
    task.SetApplicationName(e2e::BinPath("Tapforge.exe").c_str());
    ASSERT_EQ(task.SaveTask(job, FALSE, FALSE), S_OK);
    WriteRobot("U1 Listed", {"$a = 1"}, e2e::RobotHeader());

    ScheduleRobot("U1 Listed");
    HWND list = e2e::WaitForWindow("Dialog", kStartTimeoutMs);
    ASSERT_TRUE(list);
    HWND rows = GetDlgItem(list, IDC_JOB_LIST);
    ASSERT_EQ(SendMessageA(rows, LVM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(e2e::ListCellText(rows, 0, 2), "Never");
    SendMessageA(GetDlgItem(list, IDC_DELETE_JOB), BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(rows, LVM_GETITEMCOUNT, 0, 0), 0);
    HRESULT status = S_OK;
    EXPECT_TRUE(FAILED(CScheduledTask(job, TRUE).GetStatus(&status))) << "the job is gone";
    PostMessageA(GetDlgItem(list, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(e2e::WaitForWindowGone("Dialog", kStartTimeoutMs));

    HWND dialog = WaitForRunningMainDialog(kStartTimeoutMs, 100);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SCHEDULE_ROBOT, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_SCHEDULE_ROBOT)));
    HWND wizard = e2e::WaitForWindow("Schedule Macro", kStartTimeoutMs);
    EXPECT_TRUE(wizard);
    if (wizard)
        PostMessageA(GetDlgItem(wizard, IDC_WIZARD_CANCEL), BM_CLICK, 0, 0);
    CTaskScheduler::DeleteTask(job);
}
