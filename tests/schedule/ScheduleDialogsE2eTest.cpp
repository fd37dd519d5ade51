// The scheduling wizard and the list of a robot's job as a user meets them,
// opened by scheddlg.exe: pages clicked through, the saved job read back
// from the service, the list's row and its Delete.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "e2e/E2eSupport.h"
#include "framework/CurrentDirectory.h"
#include "res/ScheduleResource.h"
#include "schedule/CTaskScheduler.h"
#include "tests/schedule/ScheduleTestJobs.h"

namespace {

const DWORD kTimeoutMs = 30000;
// Timer 1 runs every 200 ms; the rest is the margin of a loaded machine.
const DWORD kEnableTimeoutMs = 600;

// Each page by a control that only it has, or that it has without the other.
const struct
{
    int page;
    int present;
    int absent;
} kPageMarks[] = {
    {0, IDC_KIND_WEEKLY, 0},           {1, IDC_WEEKDAYS, 0},      {2, IDC_MONDAY, IDC_MONTH_DAY}, {3, IDC_MONTH_DAY, 0},
    {4, IDC_START_DATE, IDC_WEEKDAYS}, {5, IDC_OTHER_ACCOUNT, 0},
};

HWND VisiblePage(HWND wizard)
{
    for (HWND child = GetWindow(wizard, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        if (std::string(className) == "#32770" && IsWindowVisible(child))
            return child;
    }
    return nullptr;
}

int PageIndex(HWND page)
{
    for (const auto& mark : kPageMarks)
        if (page && GetDlgItem(page, mark.present) && !(mark.absent && GetDlgItem(page, mark.absent)))
            return mark.page;
    return -1;
}

std::string Text(HWND window)
{
    char text[256] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void Click(HWND parent, int id)
{
    SendMessageA(GetDlgItem(parent, id), BM_CLICK, 0, 0);
}

void SetItemText(HWND parent, int id, const char* text)
{
    SendMessageA(GetDlgItem(parent, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

bool WaitForEnabled(HWND control, bool enabled)
{
    return e2e::WaitUntil([&] { return (IsWindowEnabled(control) != FALSE) == enabled; }, kEnableTimeoutMs, 10);
}

// Minutes since year 0, for comparing times of one minute's resolution.
long long Minutes(int year, int month, int day, int hour, int minute)
{
    return ((((year * 13LL + month) * 32 + day) * 24 + hour) * 60) + minute;
}

long long Minutes(const SYSTEMTIME& t)
{
    return Minutes(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute);
}

class ScheduleDialogsE2eTest : public ScheduleJobTest
{
protected:
    void SetUp() override { GetLocalTime(&m_before); }
    void TearDown() override
    {
        e2e::EndStartedProcesses();
        ScheduleJobTest::TearDown();
    }

    HWND StartWizard(const std::string& robot)
    {
        m_process = e2e::StartProgram("scheddlg.exe", "wizard \"" + robot + "\"");
        HWND wizard = e2e::WaitForWindow("Schedule Macro", kTimeoutMs);
        EXPECT_TRUE(wizard);
        m_next = GetDlgItem(wizard, IDC_NEXT);
        return wizard;
    }

    // Next or Back, then the page that shows.
    int Press(HWND wizard, int id)
    {
        Click(wizard, id);
        return PageIndex(VisiblePage(wizard));
    }

    // "Next >" turns disabled for a number outside its range and enabled
    // again for one inside.
    void ExpectNumberRule(HWND page, const char* outside, const char* inside)
    {
        SetItemText(page, IDC_NUMBER, outside);
        EXPECT_TRUE(WaitForEnabled(m_next, false)) << outside;
        SetItemText(page, IDC_NUMBER, inside);
        EXPECT_TRUE(WaitForEnabled(m_next, true)) << inside;
    }

    // Finish, then the job read back: what it runs, how, and its one trigger,
    // whose begin and start lie within the test's run; the trigger's other
    // members are compared whole.
    void FinishAndExpectJob(const CString& job, const std::string& robot, DWORD flags, TASK_TRIGGER expected)
    {
        Click(GetParent(m_next), IDC_NEXT);
        ASSERT_EQ(e2e::WaitForExit(m_process, kTimeoutMs), IDOK);
        SYSTEMTIME after;
        GetLocalTime(&after);
        const CScheduledTask saved = CScheduledTask::LoadTask(job);
        EXPECT_EQ(lstrcmpiA(saved.GetApplicationName(), e2e::BinPath("scheddlg.exe").c_str()), 0)
            << saved.GetApplicationName();
        EXPECT_EQ(std::string(saved.GetParameters()), "-a " + robot);
        EXPECT_EQ(std::string(saved.GetWorkingDirectory()), std::string(GetCurrentDirectoryPath()));
        EXPECT_EQ(saved.GetFlags(), flags);
        ASSERT_EQ(saved.GetTriggerCount(), 1);
        const TASK_TRIGGER trigger = saved.GetTrigger(0);
        const long long begin = Minutes(trigger.wBeginYear, trigger.wBeginMonth, trigger.wBeginDay, 0, 0);
        EXPECT_GE(begin, Minutes(m_before.wYear, m_before.wMonth, m_before.wDay, 0, 0));
        EXPECT_LE(begin, Minutes(after.wYear, after.wMonth, after.wDay, 0, 0));
        const long long start = Minutes(trigger.wBeginYear, trigger.wBeginMonth, trigger.wBeginDay, trigger.wStartHour,
                                        trigger.wStartMinute);
        EXPECT_GE(start, Minutes(m_before));
        EXPECT_LE(start, Minutes(after));
        expected.cbTriggerSize = sizeof expected;
        expected.wBeginYear = trigger.wBeginYear;
        expected.wBeginMonth = trigger.wBeginMonth;
        expected.wBeginDay = trigger.wBeginDay;
        expected.wStartHour = trigger.wStartHour;
        expected.wStartMinute = trigger.wStartMinute;
        EXPECT_TRUE(SameTrigger(trigger, expected));
    }

    // Enter and Escape typed into a control of a page, with a real click into
    // it first, leave the wizard open on that page. Tab, typed after them,
    // tells when they have been handled.
    void ExpectEnterAndEscapeKept(HWND wizard, HWND control)
    {
        const int page = PageIndex(VisiblePage(wizard));
        ASSERT_TRUE(e2e::ClickAndWait(
            control, [&] { return e2e::FocusOfThread(wizard) == control; }, kTimeoutMs));
        e2e::PressKey(VK_RETURN);
        e2e::PressKey(VK_ESCAPE);
        e2e::PressKey(VK_TAB);
        EXPECT_TRUE(
            e2e::WaitUntil([&] { return !IsWindow(wizard) || e2e::FocusOfThread(wizard) != control; }, kTimeoutMs));
        ASSERT_TRUE(IsWindow(wizard));
        EXPECT_EQ(PageIndex(VisiblePage(wizard)), page);
    }

    static TASK_TRIGGER Trigger(TASK_TRIGGER_TYPE type)
    {
        TASK_TRIGGER trigger = {};
        trigger.TriggerType = type;
        return trigger;
    }

    SYSTEMTIME m_before = {};
    e2e::Started m_process;
    HWND m_next = nullptr;
};

TEST_F(ScheduleDialogsE2eTest, WeeklyJobWithBlanksInTheRobotName)
{
    const std::string robot = "Morning  Mail 2";
    const CString job = UseJob(robot.c_str());
    HWND wizard = StartWizard(robot);
    ASSERT_TRUE(wizard);
    EXPECT_EQ(PageIndex(VisiblePage(wizard)), 0);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(wizard, IDC_BACK)));
    Click(VisiblePage(wizard), IDC_KIND_WEEKLY);
    ASSERT_EQ(Press(wizard, IDC_NEXT), 2);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(wizard, IDC_BACK)));

    HWND page = VisiblePage(wizard);
    EXPECT_EQ(Text(GetDlgItem(page, IDC_NUMBER)), "1");
    EXPECT_TRUE(WaitForEnabled(m_next, false)) << "no day checked";
    Click(page, IDC_MONDAY);
    EXPECT_TRUE(WaitForEnabled(m_next, true));
    Click(page, IDC_MONDAY);
    EXPECT_TRUE(WaitForEnabled(m_next, false)) << "the last day cleared";
    Click(page, IDC_MONDAY);
    Click(page, IDC_FRIDAY);
    ExpectNumberRule(page, "0", "3");
    ExpectNumberRule(page, "53", "3");

    ASSERT_EQ(Press(wizard, IDC_NEXT), 5);
    EXPECT_EQ(Text(m_next), "Finish");
    ASSERT_EQ(Press(wizard, IDC_BACK), 2);
    EXPECT_EQ(Text(m_next), "Next >");
    ASSERT_EQ(Press(wizard, IDC_NEXT), 5);
    TASK_TRIGGER expected = Trigger(TASK_TIME_TRIGGER_WEEKLY);
    expected.Type.Weekly.WeeksInterval = 3;
    expected.Type.Weekly.rgfDaysOfTheWeek = TASK_MONDAY | TASK_FRIDAY;
    FinishAndExpectJob(job, robot, 0x2403, expected);
}

TEST_F(ScheduleDialogsE2eTest, EveryFiveDaysReplacesAnExistingJobWithoutAsking)
{
    const std::string robot = "Replaced";
    const CString job = UseJob(robot.c_str());
    ASSERT_EQ(MakeRobotTask(robot.c_str(), MakeTrigger(TASK_TIME_TRIGGER_ONCE)).SaveTask(job, FALSE, FALSE), S_OK);
    HWND wizard = StartWizard(robot);
    ASSERT_TRUE(wizard);
    ASSERT_EQ(Press(wizard, IDC_NEXT), 1);
    HWND page = VisiblePage(wizard);
    HWND number = GetDlgItem(page, IDC_NUMBER);
    EXPECT_FALSE(IsWindowEnabled(number));
    Click(page, IDC_EVERY_N_DAYS);
    EXPECT_TRUE(WaitForEnabled(number, true));
    ExpectNumberRule(page, "0", "5");
    ExpectNumberRule(page, "", "5");
    ASSERT_EQ(Press(wizard, IDC_NEXT), 5);
    TASK_TRIGGER expected = Trigger(TASK_TIME_TRIGGER_DAILY);
    expected.Type.Daily.DaysInterval = 5;
    FinishAndExpectJob(job, robot, 0x2403, expected);
}

TEST_F(ScheduleDialogsE2eTest, LogOnJobUnderAnotherAccount)
{
    const std::string robot = "At Logon";
    const CString job = UseJob(robot.c_str());
    HWND wizard = StartWizard(robot);
    ASSERT_TRUE(wizard);
    Click(VisiblePage(wizard), IDC_KIND_LOGON);
    ASSERT_EQ(Press(wizard, IDC_NEXT), 5);
    ASSERT_EQ(Press(wizard, IDC_BACK), 0);
    ASSERT_EQ(Press(wizard, IDC_NEXT), 5);

    HWND page = VisiblePage(wizard);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_USER_NAME)));
    Click(page, IDC_OTHER_ACCOUNT);
    EXPECT_TRUE(WaitForEnabled(GetDlgItem(page, IDC_USER_NAME), true));
    EXPECT_TRUE(WaitForEnabled(GetDlgItem(page, IDC_ACCOUNT_NOTE), true));
    EXPECT_TRUE(WaitForEnabled(m_next, false)) << "no user name";
    SetItemText(page, IDC_USER_NAME, "kim");
    SetItemText(page, IDC_PASSWORD, "secret");
    SetItemText(page, IDC_CONFIRM_PASSWORD, "secreT");
    EXPECT_TRUE(WaitForEnabled(m_next, false)) << "passwords differ";
    SetItemText(page, IDC_CONFIRM_PASSWORD, "secret");
    EXPECT_TRUE(WaitForEnabled(m_next, true));
    FinishAndExpectJob(job, robot, 0x403, Trigger(TASK_EVENT_TRIGGER_AT_LOGON));
}

TEST_F(ScheduleDialogsE2eTest, EnterAndEscapeInsideAPageKeepTheWizardOnIt)
{
    const std::string robot = "Kept";
    UseJob(robot.c_str());
    HWND wizard = StartWizard(robot);
    ASSERT_TRUE(wizard);
    ASSERT_EQ(Press(wizard, IDC_NEXT), 1);
    ExpectEnterAndEscapeKept(wizard, GetDlgItem(VisiblePage(wizard), IDC_START_TIME));
    ASSERT_EQ(Press(wizard, IDC_NEXT), 5);
    // Answers that "Finish" would take, so that Enter passing through would save.
    HWND page = VisiblePage(wizard);
    Click(page, IDC_OTHER_ACCOUNT);
    SetItemText(page, IDC_USER_NAME, "kim");
    SetItemText(page, IDC_PASSWORD, "secret");
    SetItemText(page, IDC_CONFIRM_PASSWORD, "secret");
    ASSERT_TRUE(WaitForEnabled(GetDlgItem(page, IDC_PASSWORD), true));
    ExpectEnterAndEscapeKept(wizard, GetDlgItem(page, IDC_PASSWORD));
    Click(wizard, IDC_WIZARD_CANCEL);
    EXPECT_EQ(e2e::WaitForExit(m_process, kTimeoutMs), IDCANCEL);
}

TEST_F(ScheduleDialogsE2eTest, MonthlyJobOnTheLastSundayOfChosenMonths)
{
    const std::string robot = "Month End";
    const CString job = UseJob(robot.c_str());
    HWND wizard = StartWizard(robot);
    ASSERT_TRUE(wizard);
    Click(VisiblePage(wizard), IDC_KIND_MONTHLY);
    ASSERT_EQ(Press(wizard, IDC_NEXT), 3);
    HWND page = VisiblePage(wizard);
    HWND week = GetDlgItem(page, IDC_WEEK_LIST);
    HWND weekday = GetDlgItem(page, IDC_WEEKDAY_LIST);
    EXPECT_EQ(Text(week), "first");
    EXPECT_EQ(Text(weekday), "Monday");
    EXPECT_FALSE(IsWindowEnabled(week));
    Click(page, IDC_MONTH_WEEKDAY);
    EXPECT_TRUE(WaitForEnabled(week, true));
    EXPECT_TRUE(WaitForEnabled(weekday, true));
    SendMessageA(week, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("last"));
    SendMessageA(weekday, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Sunday"));

    const int months[] = {IDC_JANUARY, IDC_FEBRUARY, IDC_MARCH,     IDC_APRIL,   IDC_MAY,      IDC_JUNE,
                          IDC_JULY,    IDC_AUGUST,   IDC_SEPTEMBER, IDC_OCTOBER, IDC_NOVEMBER, IDC_DECEMBER};
    for (int month : months)
        Click(page, month);
    EXPECT_TRUE(WaitForEnabled(m_next, false)) << "no month checked";
    Click(page, IDC_JANUARY);
    Click(page, IDC_JULY);
    EXPECT_TRUE(WaitForEnabled(m_next, true));

    ASSERT_EQ(Press(wizard, IDC_NEXT), 5);
    TASK_TRIGGER expected = Trigger(TASK_TIME_TRIGGER_MONTHLYDOW);
    expected.Type.MonthlyDOW.wWhichWeek = TASK_LAST_WEEK;
    expected.Type.MonthlyDOW.rgfDaysOfTheWeek = TASK_SUNDAY;
    expected.Type.MonthlyDOW.rgfMonths = TASK_JANUARY | TASK_JULY;
    FinishAndExpectJob(job, robot, 0x2403, expected);
}

TEST_F(ScheduleDialogsE2eTest, WeekdaysAndComputerStartJobs)
{
    TASK_TRIGGER weekdays = Trigger(TASK_TIME_TRIGGER_WEEKLY);
    weekdays.Type.Weekly.WeeksInterval = 1;
    weekdays.Type.Weekly.rgfDaysOfTheWeek = 0x3E;
    const struct
    {
        const char* robot;
        int kind;
        int option;
        TASK_TRIGGER trigger;
    } cases[] = {
        {"On Weekdays", IDC_KIND_DAILY, IDC_WEEKDAYS, weekdays},
        {"At Start", IDC_KIND_STARTUP, 0, Trigger(TASK_EVENT_TRIGGER_AT_SYSTEMSTART)},
    };
    for (const auto& c : cases) {
        const CString job = UseJob(c.robot);
        HWND wizard = StartWizard(c.robot);
        ASSERT_TRUE(wizard);
        Click(VisiblePage(wizard), c.kind);
        if (c.option) {
            ASSERT_EQ(Press(wizard, IDC_NEXT), 1);
            Click(VisiblePage(wizard), c.option);
        }
        ASSERT_EQ(Press(wizard, IDC_NEXT), 5) << c.robot;
        FinishAndExpectJob(job, c.robot, 0x2403, c.trigger);
    }
}

TEST_F(ScheduleDialogsE2eTest, FailedSaveShowsTheSaveErrorAndStaysOnTheLastPage)
{
    UseJob("Bad/Name");
    HWND wizard = StartWizard("Bad/Name");
    ASSERT_TRUE(wizard);
    Click(VisiblePage(wizard), IDC_KIND_ONCE);
    ASSERT_EQ(Press(wizard, IDC_NEXT), 4);
    ASSERT_EQ(Press(wizard, IDC_NEXT), 5);
    PostMessageA(wizard, WM_COMMAND, MAKEWPARAM(IDC_NEXT, BN_CLICKED), reinterpret_cast<LPARAM>(m_next));
    HWND box = e2e::WaitForMessageBox(m_process.pid, wizard, kTimeoutMs);
    ASSERT_TRUE(box);
    const std::string text = e2e::MessageBoxText(box);
    EXPECT_EQ(text.rfind("Error code: ", 0), 0u) << text;
    EXPECT_EQ(text.find("Error code: 2\n"), std::string::npos) << text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(box); }, kTimeoutMs));
    EXPECT_EQ(PageIndex(VisiblePage(wizard)), 5);
    EXPECT_EQ(Text(m_next), "Finish");
    Click(wizard, IDC_WIZARD_CANCEL);
    EXPECT_EQ(e2e::WaitForExit(m_process, kTimeoutMs), IDCANCEL);
}

TEST_F(ScheduleDialogsE2eTest, ListShowsTheJobAndDeletesIt)
{
    const CString job = UseJob("Listed");
    ASSERT_EQ(MakeRobotTask("Listed", MakeTrigger(TASK_TIME_TRIGGER_DAILY)).SaveTask(job, FALSE, FALSE), S_OK);
    const std::string texts[] = {"At 09:45 every day", "Sunday, May 17, 2031  09:45:00", "Never"};
    m_process = e2e::StartProgram("scheddlg.exe", "list \"" + texts[0] + "\" \"" + texts[1] + "\" \"" + texts[2] +
                                                      "\" \"" + std::string(job) + "\"");
    HWND dialog = e2e::WaitForWindow("Dialog", kTimeoutMs);
    ASSERT_TRUE(dialog);
    HWND list = GetDlgItem(dialog, IDC_JOB_LIST);
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    ASSERT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 3);
    const int widths[] = {230, 150, 150};
    ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 1);
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0), widths[column]) << column;
        EXPECT_EQ(e2e::ListCellText(list, 0, column), texts[column]) << column;
    }

    // The service here has no property sheet: the dialog stays as it was.
    Click(dialog, IDC_MODIFY_JOB);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(e2e::ListCellText(list, 0, 0), texts[0]);

    Click(dialog, IDC_DELETE_JOB);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);
    HRESULT status = S_OK;
    EXPECT_TRUE(FAILED(CScheduledTask(job, TRUE).GetStatus(&status))) << "the job is gone";
    Click(dialog, IDC_DELETE_JOB);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_TRUE(IsWindowVisible(dialog));

    Click(dialog, IDOK);
    EXPECT_EQ(e2e::WaitForExit(m_process, kTimeoutMs), IDOK);
}

}  // namespace
