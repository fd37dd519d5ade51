// The main dialog in this process, over robot files in the data folder: rows
// and robots stay paired when the list is sorted and when two names differ
// only in case, check boxes save only whole robot files, removals keep the
// keys other robots share; and the tray menu.
#include "app/CMarionetApp.h"
#include "app/CMarionetDlg.h"
#include "app/CTrayIcon.h"
#include "app/RobotFolder.h"
#include "engine/system/CArgList.h"
#include "framework/CMessageBoxCapture.h"
#include "framework/WindowClass.h"
#include "res/TapforgeResource.h"
#include "schedule/CTaskScheduler.h"
#include "tests/schedule/ScheduleTestJobs.h"

#include "e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class MainDialogTest : public ::testing::Test
{
protected:
    void SetUp() override { e2e::EmptyDataFolder(); }

    void TearDown() override
    {
        if (m_dialog) {
            m_dialog->UnregisterAllHotKeys(0);
            m_dialog->DestroyWindow();
            delete m_dialog;
        }
    }

    CMarionetDlg& OpenDialog()
    {
        m_dialog = new CMarionetDlg(nullptr);
        EXPECT_TRUE(m_dialog->Create(CMarionetDlg::IDD, nullptr));
        return *m_dialog;
    }

    static void WriteRobot(const std::string& name, const std::string& startKey, const std::string& endKey, int enable,
                           const std::vector<std::string>& lines = {"$a = 1"})
    {
        e2e::RobotHeader header;
        header.startKey = startKey;
        header.endKey = endKey;
        header.enable = enable;
        ASSERT_TRUE(e2e::WriteRobotFile(e2e::ScriptFolder(), name, lines, header));
    }

    static std::string RobotFile(const std::string& name) { return e2e::ScriptFolder() + "\\" + name + ".txt"; }

    int RowOf(const char* name)
    {
        CSortListCtrl& list = m_dialog->GetRobotList();
        for (int row = 0; row < list.GetItemCount(); ++row) {
            if (list.GetItemText(row, 1) == name)
                return row;
        }
        return -1;
    }

    void SortByName(bool descending)
    {
        CSortListCtrl& list = m_dialog->GetRobotList();
        NMLISTVIEW click{};
        click.hdr.hwndFrom = list.m_hWnd;
        click.hdr.idFrom = IDC_ROBOT_LIST;
        click.hdr.code = LVN_COLUMNCLICK;
        click.iSubItem = 1;
        m_dialog->SendMessage(WM_NOTIFY, IDC_ROBOT_LIST, reinterpret_cast<LPARAM>(&click));
        if (descending)
            m_dialog->SendMessage(WM_NOTIFY, IDC_ROBOT_LIST, reinterpret_cast<LPARAM>(&click));
    }

    void Select(int row)
    {
        m_dialog->GetRobotList().SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }

    void Command(int id) { m_dialog->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    CMarionetDlg* m_dialog = nullptr;
};

bool HotkeyIsFree(UINT modifiers, UINT key)
{
    if (!RegisterHotKey(nullptr, 0x7002, modifiers, key))
        return false;
    UnregisterHotKey(nullptr, 0x7002);
    return true;
}

class FailingApp : public CMarionetApp
{
public:
    int CreateMainDialog() override
    {
        ++attempts;
        return 0;
    }
    int attempts = 0;
};

}  // namespace

TEST(MarionetApp, NoMainWindowAfterSixAttemptsEndsWithAnError)
{
    FailingApp app;
    EXPECT_EQ(app.Run(), static_cast<int>(CMarionetApp::NO_MAIN_WINDOW_EXIT_CODE));
    EXPECT_EQ(app.attempts, 6);
}

TEST_F(MainDialogTest, CommandsFindTheRobotOfTheRowAfterSorting)
{
    WriteRobot("Apple", "Ctrl + Shift + <F3>", "None", 1);
    WriteRobot("Zebra", "Ctrl + Shift + <F4>", "None", 1);
    WriteRobot("Mango", "Ctrl + Shift + <F5>", "None", 0);
    CMarionetDlg& dialog = OpenDialog();
    ASSERT_EQ(dialog.GetRobotList().GetItemCount(), 3);
    SortByName(true);
    ASSERT_EQ(RowOf("Zebra"), 0);

    // Unchecking Zebra's row writes Zebra's file, whatever its array place.
    dialog.GetRobotList().SetCheck(RowOf("Zebra"), FALSE);
    EXPECT_NE(e2e::ReadWholeFile(RobotFile("Zebra")).find("Enable=0"), std::string::npos);
    EXPECT_NE(e2e::ReadWholeFile(RobotFile("Apple")).find("Enable=1"), std::string::npos);
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_SHIFT, VK_F4));
    EXPECT_FALSE(HotkeyIsFree(MOD_CONTROL | MOD_SHIFT, VK_F3));

    CMessageBoxCapture capture(IDYES);
    Select(RowOf("Mango"));
    Command(IDC_REMOVE_ROBOT);
    EXPECT_EQ(GetFileAttributesA(RobotFile("Mango").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA(RobotFile("Apple").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA(RobotFile("Zebra").c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(dialog.GetRobots().GetSize(), 2);
    EXPECT_EQ(RowOf("Mango"), -1);
    for (const CRobot& robot : dialog.GetRobots())
        EXPECT_NE(robot.m_strName, "Mango");
}

TEST_F(MainDialogTest, RobotsWhoseNamesDifferOnlyInCaseKeepTheirOwnRows)
{
    WriteRobot("abc", "None", "None", 0);
    ASSERT_TRUE(e2e::CopyToCaseTwin(e2e::ScriptFolder(), "abc.txt", "ABC.txt"));
    CMarionetDlg& dialog = OpenDialog();
    ASSERT_EQ(dialog.GetRobotList().GetItemCount(), 2);
    auto enabled = [](const char* name) {
        return e2e::ReadWholeFile(RobotFile(name)).find("Enable=1") != std::string::npos;
    };
    dialog.GetRobotList().SetCheck(RowOf("ABC"), TRUE);
    EXPECT_TRUE(enabled("ABC"));
    EXPECT_FALSE(enabled("abc"));
    dialog.GetRobotList().SetCheck(RowOf("abc"), TRUE);
    EXPECT_TRUE(enabled("abc"));

    // The first robot of the array goes, so the other one's place moves.
    const std::string removed = dialog.GetRobots()[0].m_strName.GetString();
    const std::string kept = removed == "abc" ? "ABC" : "abc";
    CMessageBoxCapture capture(IDYES);
    Select(RowOf(removed.c_str()));
    Command(IDC_REMOVE_ROBOT);
    std::vector<std::string> files;
    for (const CString& path : ListRobotFiles(e2e::ScriptFolder().c_str()))
        files.push_back(RobotFileBaseName(path).GetString());
    EXPECT_EQ(files, std::vector<std::string>({kept}));
    ASSERT_EQ(dialog.GetRobotList().GetItemCount(), 1);
    EXPECT_EQ(RowOf(kept.c_str()), 0);
    dialog.GetRobotList().SetCheck(0, FALSE);
    EXPECT_FALSE(enabled(kept.c_str()));
}

TEST_F(MainDialogTest, RemovingARobotKeepsAnEndKeyAnotherRobotShares)
{
    WriteRobot("First", "Ctrl + Shift + <F3>", "Ctrl + Shift + <F10>", 1);
    WriteRobot("Second", "Ctrl + Shift + <F4>", "Ctrl + Shift + <F10>", 1);
    CMarionetDlg& dialog = OpenDialog();
    ASSERT_FALSE(HotkeyIsFree(MOD_CONTROL | MOD_SHIFT, VK_F10));

    CMessageBoxCapture capture(IDYES);
    Select(RowOf("First"));
    Command(IDC_REMOVE_ROBOT);
    ASSERT_EQ(dialog.GetRobots().GetSize(), 1);
    EXPECT_TRUE(HotkeyIsFree(MOD_CONTROL | MOD_SHIFT, VK_F3));
    EXPECT_FALSE(HotkeyIsFree(MOD_CONTROL | MOD_SHIFT, VK_F10));
    EXPECT_FALSE(HotkeyIsFree(MOD_CONTROL | MOD_SHIFT, VK_F4));
}

TEST_F(MainDialogTest, CheckBoxSavesOnlyRobotsReadWhole)
{
    WriteRobot("Damaged", "None", "None", 1,
               {"$a = 1", "[RecWinInfo]", "WinIndex=1", "WinTitle=T", "WinPath=P", "WinParentLevel=0", "WinRect=1,2",
                "WinIndex=2", "WinRect=1,2,3,4"});
    WriteRobot("Vanishing", "None", "None", 1);
    const std::string damagedBefore = e2e::ReadWholeFile(RobotFile("Damaged"));
    CMessageBoxCapture capture(IDOK);
    CMarionetDlg& dialog = OpenDialog();
    EXPECT_EQ(e2e::ReadWholeFile(RobotFile("Damaged")), damagedBefore);

    dialog.GetRobotList().SetCheck(RowOf("Damaged"), FALSE);
    EXPECT_EQ(e2e::ReadWholeFile(RobotFile("Damaged")), damagedBefore);

    DeleteFileA(RobotFile("Vanishing").c_str());
    dialog.GetRobotList().SetCheck(RowOf("Vanishing"), FALSE);
    EXPECT_EQ(GetFileAttributesA(RobotFile("Vanishing").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA((e2e::ScriptFolder() + "\\.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(MainDialogTest, HotkeyQuestionsOfTheEditor)
{
    WriteRobot("One", "Ctrl + A", "Ctrl + <F12>", 0);
    WriteRobot("Two", "Ctrl + B", "Ctrl + <F12>", 1);
    CMarionetDlg& dialog = OpenDialog();
    CMessageBoxCapture capture(IDOK);
    EXPECT_EQ(dialog.IsStartHotKeyFree("Ctrl + <F12>"), 0);
    ASSERT_EQ(capture.Count(), 1);
    EXPECT_EQ(capture.Requests()[0].text,
              "Start hotkey you specified for this robot has been taken by another robot.\n\n"
              "You may try to use different hotkeys like:\n'Ctrl + Shift + Alt + M', 'Ctrl + K', 'Ctrl + Shift + 9'");
    EXPECT_EQ(dialog.IsEndHotKeyFree("Ctrl + <F12>"), 1);
    EXPECT_EQ(dialog.IsEndHotKeyFree("ctrl + a"), 0);
    EXPECT_EQ(dialog.IsStartHotKeyFree("Ctrl + C"), 1);
    EXPECT_EQ(capture.Count(), 2);
}

TEST_F(MainDialogTest, CommandsWithoutASelectedRowSaySo)
{
    WriteRobot("One", "None", "None", 0);
    CMarionetDlg& dialog = OpenDialog();
    (void)dialog;
    CMessageBoxCapture capture(IDOK);
    Command(IDC_RUN_ROBOT);
    Command(IDC_EDIT_ROBOT);
    Command(IDC_REMOVE_ROBOT);
    Command(IDC_SCHEDULE_ROBOT);
    Command(ID_SHARE_ROBOT);
    ASSERT_EQ(capture.Count(), 5);
    EXPECT_EQ(capture.Requests()[0].text, "No robot selected! Please select a robot from list above to run.");
    EXPECT_EQ(capture.Requests()[1].text, "No robot selected! Please select a robot from list above to edit.");
    EXPECT_EQ(capture.Requests()[2].text, "No robot selected! Please select a robot from list above to delete.");
    EXPECT_EQ(capture.Requests()[3].text, "No robot selected! Please select a robot from list above to run.");
    EXPECT_EQ(capture.Requests()[4].text, "Please select a robot from list above to share!");
}

TEST_F(MainDialogTest, UnreadableOrTriggerlessRobotsDoNotRun)
{
    CMarionetDlg& dialog = OpenDialog();
    EXPECT_EQ(dialog.RunRobot((e2e::ScriptFolder() + "\\Missing.txt").c_str()), 0);
    EXPECT_EQ(dialog.RunRobotByName(""), 0);

    std::string text =
        "[General]\r\nName=Chained\r\nStartKey=None\r\nEndKey=None\r\nDescription=\r\nEnable=0\r\n"
        "RepeatOption=1\r\nRepeatTimes=1\r\nOriginalSpeed=1\r\nUseSimilarWin=0\r\nUseRecWin=0\r\n"
        "TriggerRobot=Next One\r\nRunAtBackground=0\r\n[Script]\r\n$a = 1\r\n";
    FILE* file = std::fopen(RobotFile("Chained").c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
    CMessageBoxCapture capture(IDOK);
    EXPECT_EQ(dialog.RunRobotByName("Chained"), 0);
    ASSERT_EQ(capture.Count(), 1);
    EXPECT_EQ(capture.Requests()[0].text, "Can not find the robot: \"Next One\" which will run after current robot");
    EXPECT_EQ(dialog.IsRobotRunning(), 0);
}

TEST_F(MainDialogTest, ARobotWhoseScriptFailsItsCheckDoesNotRun)
{
    const std::string output = e2e::TempFilePath("app_dialog_run");
    WriteRobot("Broken", "None", "None", 0, {"NoSuchFunction()"});
    WriteRobot("Sound", "None", "None", 0, {"FileWriteLine(\"" + output + "\", \"ran\")"});
    CMarionetDlg& dialog = OpenDialog();
    CMessageBoxCapture capture(IDOK);
    EXPECT_EQ(dialog.RunRobotByName("Broken"), 0);
    ASSERT_EQ(capture.Count(), 1);
    EXPECT_EQ(capture.Requests()[0].caption, "Internal Error");
    EXPECT_EQ(dialog.RunRobotByName("Sound"), 1);
    EXPECT_EQ(e2e::ReadLines(output), std::vector<std::string>({"ran"}));
    DeleteFileA(output.c_str());
}

TEST_F(MainDialogTest, TestRunsItsScriptWithoutArguments)
{
    const std::string output = e2e::TempFilePath("app_dialog_test_command");
    WriteRobot("Probe", "None", "None", 0, {"FileWriteLine(\"" + output + "\", \"tested\")"});
    CMarionetDlg& dialog = OpenDialog();
    ScriptArgList().Parse("left over");
    dialog.SetTestScriptPath(RobotFile("Probe").c_str());
    Command(IDC_TEST);
    EXPECT_EQ(ScriptArgList().GetCount(), 0);
    EXPECT_EQ(e2e::ReadLines(output), std::vector<std::string>({"tested"}));
    DeleteFileA(output.c_str());
}

TEST_F(MainDialogTest, TestWaitsWhileARobotRuns)
{
    const std::string output = e2e::TempFilePath("app_dialog_test_guard");
    const std::string write = "FileWriteLine(\"" + output + "\", ";
    WriteRobot("Probe", "None", "None", 0, {write + "\"tested\")"});
    WriteRobot("Long", "None", "None", 0, {write + "\"first\")", "Delay(300)", write + "\"last\")"});
    CMarionetDlg& dialog = OpenDialog();
    dialog.SetTestScriptPath(RobotFile("Probe").c_str());
    // Reaches the dialog while the robot runs, from the run's own message pump.
    dialog.PostMessage(WM_COMMAND, MAKEWPARAM(IDC_TEST, BN_CLICKED), 0);
    EXPECT_EQ(dialog.RunRobotByName("Long"), 1);
    Command(IDC_TEST);
    EXPECT_EQ(e2e::ReadLines(output), std::vector<std::string>({"first", "last", "tested"}));
    DeleteFileA(output.c_str());
}

class ScheduleCommandTest : public ScheduleJobTest
{
protected:
    void SetUp() override
    {
        e2e::EmptyDataFolder();
        m_dialog = new CMarionetDlg(nullptr);
        ASSERT_TRUE(m_dialog->Create(CMarionetDlg::IDD, nullptr));
    }

    void TearDown() override
    {
        m_dialog->DestroyWindow();
        delete m_dialog;
        ScheduleJobTest::TearDown();
    }

    void SaveJob(const char* jobRobot, const char* parameters, TASK_TRIGGER_TYPE type)
    {
        CScheduledTask task = MakeRobotTask(jobRobot, MakeTrigger(type));
        task.SetParameters(parameters);
        ASSERT_EQ(task.SaveTask(UseJob(jobRobot), FALSE, FALSE), S_OK);
    }

    CMarionetDlg* m_dialog = nullptr;
};

TEST_F(ScheduleCommandTest, FindsTheRobotsJobByItsParameters)
{
    SaveJob("A1 Night Run", "-a a1 night run", TASK_TIME_TRIGGER_ONCE);
    SaveJob("A1 Night Runner", "-a A1 Night Runner", TASK_TIME_TRIGGER_ONCE);
    CRobotJobTexts texts;
    ASSERT_TRUE(m_dialog->FindScheduledJob("A1 Night Run", texts));
    EXPECT_EQ(texts.jobName.CompareNoCase(JobNameFor("A1 Night Run")), 0) << texts.jobName.GetString();
    EXPECT_EQ(texts.nextRun, "Saturday, May 17, 2031  09:45:00");
    EXPECT_EQ(texts.lastRun, "Never");

    EXPECT_FALSE(m_dialog->FindScheduledJob("A1 Night", texts));
    EXPECT_FALSE(m_dialog->FindScheduledJob("A1 Day Run", texts));
}

TEST_F(ScheduleCommandTest, TwoJobsForOneRobotShowTheFirstListed)
{
    SaveJob("A1 Twice One", "-a A1 Twice", TASK_TIME_TRIGGER_ONCE);
    SaveJob("A1 Twice Two", "-a A1 Twice", TASK_TIME_TRIGGER_ONCE);
    CRobotJobTexts texts;
    ASSERT_TRUE(m_dialog->FindScheduledJob("a1 twice", texts));
    CTaskScheduler scheduler;
    ASSERT_TRUE(scheduler.Enumerate(TestProgramPath()));
    CString first;
    for (int position = 0; position < scheduler.GetCount() && first.IsEmpty(); ++position) {
        if (scheduler.GetTask(position).GetParameters() == "-a A1 Twice")
            first = scheduler.GetTask(position).GetName();
    }
    EXPECT_EQ(texts.jobName, first);
}

namespace {

// The texts of the tray menu that shows on this thread; the menu is then closed.
std::vector<std::string> g_arrTrayMenuTexts;

BOOL CALLBACK ReadMenuWindow(HWND window, LPARAM)
{
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32768" || !IsWindowVisible(window))
        return TRUE;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        char text[64] = "";
        if (GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION) > 0)
            g_arrTrayMenuTexts.push_back(text);
    }
    return FALSE;
}

void CALLBACK ReadTrayMenuAndClose(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    EnumThreadWindows(GetCurrentThreadId(), ReadMenuWindow, 0);
    EndMenu();
}

}  // namespace

TEST(TrayMenuTest, OffersToShowOrToHideTheMainWindowByItsState)
{
    CWnd mainWindow;
    ASSERT_TRUE(
        mainWindow.CreateEx(0, AfxDefaultWndClass(), "Main", WS_OVERLAPPEDWINDOW, CRect(50, 50, 350, 250), nullptr, 0));
    CTrayIcon tray;
    ASSERT_TRUE(tray.Create(&mainWindow));
    tray.m_pMainWnd = &mainWindow;
    const struct
    {
        int show;
        const char* offered;
        const char* left;
    } cases[] = {
        {SW_SHOWNORMAL, "Hide Tapforge", "Show Tapforge"},
        {SW_HIDE, "Show Tapforge", "Hide Tapforge"},
        {SW_SHOWMINIMIZED, "Show Tapforge", "Hide Tapforge"},
    };
    for (const auto& c : cases) {
        mainWindow.ShowWindow(c.show);
        g_arrTrayMenuTexts.clear();
        SetTimer(nullptr, 0, 100, ReadTrayMenuAndClose);
        tray.ShowMenu();
        const auto& texts = g_arrTrayMenuTexts;
        EXPECT_NE(std::find(texts.begin(), texts.end(), c.offered), texts.end()) << c.offered;
        EXPECT_EQ(std::find(texts.begin(), texts.end(), c.left), texts.end()) << c.left;
        EXPECT_NE(std::find(texts.begin(), texts.end(), "Exit Tapforge"), texts.end()) << c.offered;
    }
    tray.DestroyWindow();
    mainWindow.DestroyWindow();
}
