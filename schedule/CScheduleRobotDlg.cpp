#include "schedule/CScheduleRobotDlg.h"

#include <commctrl.h>
#include <mstask.h>

#include "framework/AfxMessageBox.h"
#include "framework/CRect.h"
#include "framework/CurrentDirectory.h"
#include "res/ScheduleResource.h"
#include "schedule/CScheduledTask.h"
#include "schedule/ScheduleSaveError.h"
#include "schedule/ScheduleTrigger.h"
#include "schedule/ScheduleWizardRules.h"

namespace {

const int kKindRadios[] = {IDC_KIND_DAILY, IDC_KIND_WEEKLY,  IDC_KIND_MONTHLY,
                           IDC_KIND_ONCE,  IDC_KIND_STARTUP, IDC_KIND_LOGON};
const int kDailyRadios[] = {IDC_EVERY_DAY, IDC_WEEKDAYS, IDC_EVERY_N_DAYS};
const int kMonthlyRadios[] = {IDC_MONTH_DAY, IDC_MONTH_WEEKDAY};

struct CheckBit
{
    int id;
    WORD bit;
};

const CheckBit kDayBoxes[] = {
    {IDC_MONDAY, TASK_MONDAY},     {IDC_TUESDAY, TASK_TUESDAY}, {IDC_WEDNESDAY, TASK_WEDNESDAY},
    {IDC_THURSDAY, TASK_THURSDAY}, {IDC_FRIDAY, TASK_FRIDAY},   {IDC_SATURDAY, TASK_SATURDAY},
    {IDC_SUNDAY, TASK_SUNDAY},
};

const CheckBit kMonthBoxes[] = {
    {IDC_JANUARY, TASK_JANUARY}, {IDC_FEBRUARY, TASK_FEBRUARY}, {IDC_MARCH, TASK_MARCH},
    {IDC_APRIL, TASK_APRIL},     {IDC_MAY, TASK_MAY},           {IDC_JUNE, TASK_JUNE},
    {IDC_JULY, TASK_JULY},       {IDC_AUGUST, TASK_AUGUST},     {IDC_SEPTEMBER, TASK_SEPTEMBER},
    {IDC_OCTOBER, TASK_OCTOBER}, {IDC_NOVEMBER, TASK_NOVEMBER}, {IDC_DECEMBER, TASK_DECEMBER},
};

const char* const kWeekNames[] = {"first", "second", "third", "fourth", "last"};
const char* const kWeekdayNames[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

// What the account page enables only for another account.
const int kAccountControls[] = {IDC_USER_NAME_LABEL, IDC_USER_NAME,        IDC_PASSWORD_LABEL, IDC_PASSWORD,
                                IDC_CONFIRM_LABEL,   IDC_CONFIRM_PASSWORD, IDC_ACCOUNT_NOTE};

template <size_t N>
int CheckedPosition(const CWnd& page, const int (&ids)[N])
{
    for (size_t position = 0; position < N; ++position)
        if (page.IsDlgButtonChecked(ids[position]) == BST_CHECKED)
            return static_cast<int>(position);
    return -1;
}

template <size_t N>
WORD CheckedBits(const CWnd& page, const CheckBit (&boxes)[N])
{
    WORD bits = 0;
    for (const CheckBit& box : boxes)
        if (page.IsDlgButtonChecked(box.id) == BST_CHECKED)
            bits |= box.bit;
    return bits;
}

// All 0 when the page has no such picker.
SYSTEMTIME PickerTime(const CWnd& page, int id)
{
    SYSTEMTIME time = {};
    page.SendDlgItemMessage(id, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return time;
}

CString ItemText(const CWnd& page, int id)
{
    CString text;
    page.GetDlgItemText(id, text);
    return text;
}

template <size_t N>
void EnableItems(const CWnd& page, const int (&ids)[N], BOOL enable)
{
    for (int id : ids)
        ::EnableWindow(::GetDlgItem(page, id), enable);
}

template <size_t N>
void FillList(const CWnd& page, int id, const char* const (&texts)[N])
{
    for (const char* text : texts)
        page.SendDlgItemMessage(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    page.SendDlgItemMessage(id, CB_SETCURSEL, 0);
}

}  // namespace

BEGIN_MESSAGE_MAP(CScheduleRobotDlg, CDialog)
    ON_BN_CLICKED(IDC_NEXT, OnNext)
    ON_BN_CLICKED(IDC_BACK, OnBack)
    ON_BN_CLICKED(IDC_WIZARD_CANCEL, OnCancel)
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CScheduleRobotDlg::CScheduleRobotDlg(CWnd* parent) : CDialog(IDD, parent) {}

CScheduleRobotDlg::~CScheduleRobotDlg() = default;

BOOL CScheduleRobotDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!CreatePages()) {
        // A wizard without its pages could only fail later.
        EndDialog(IDCANCEL);
        return FALSE;
    }
    InitPages();
    m_nPage = SCHEDULE_PAGE_KIND;
    ShowPage();
    SetTimer(TIMER_ENABLE_CONTROLS, 200);
    return TRUE;
}

BOOL CScheduleRobotDlg::CreatePages()
{
    CRect frame;
    GetDlgItem(IDC_PAGE_FRAME)->GetWindowRect(&frame);
    ScreenToClient(&frame);
    // Inside the frame's border, so that the pages leave it visible.
    frame.DeflateRect(2, 2);
    for (int page = 0; page < SCHEDULE_PAGE_COUNT; ++page) {
        m_arrPages.push_back(std::make_unique<CChildDialog>(IDD_SCHEDULE_KIND + page, this));
        if (!m_arrPages.back()->Create())
            return FALSE;
        m_arrPages.back()->MoveWindow(&frame);
    }
    return TRUE;
}

void CScheduleRobotDlg::InitPages()
{
    Page(0).CheckDlgButton(IDC_KIND_DAILY, BST_CHECKED);
    Page(1).CheckDlgButton(IDC_EVERY_DAY, BST_CHECKED);
    Page(3).CheckDlgButton(IDC_MONTH_DAY, BST_CHECKED);
    Page(5).CheckDlgButton(IDC_CURRENT_ACCOUNT, BST_CHECKED);
    for (int page = 0; page < SCHEDULE_PAGE_COUNT; ++page) {
        int lower = 0;
        int upper = 0;
        if (!ScheduleNumberRange(page, lower, upper))
            continue;
        const HWND edit = ::GetDlgItem(Page(page), IDC_NUMBER);
        Page(page).SendDlgItemMessage(IDC_NUMBER_SPIN, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit));
        Page(page).SendDlgItemMessage(IDC_NUMBER_SPIN, UDM_SETRANGE32, static_cast<WPARAM>(lower), upper);
        Page(page).SetDlgItemText(IDC_NUMBER, "1");
    }
    for (const CheckBit& box : kMonthBoxes)
        Page(3).CheckDlgButton(box.id, BST_CHECKED);
    FillList(Page(3), IDC_WEEK_LIST, kWeekNames);
    FillList(Page(3), IDC_WEEKDAY_LIST, kWeekdayNames);
}

BOOL CScheduleRobotDlg::PreTranslateMessage(MSG* msg)
{
    const bool enterOrEscape = (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
                               (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE);
    // A control that takes the key itself, such as an open drop-down list closing on it, keeps it.
    if (enterOrEscape && IsInsidePage(msg->hwnd) &&
        !(::SendMessageA(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg)) &
          (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

bool CScheduleRobotDlg::IsInsidePage(HWND window) const
{
    for (const auto& page : m_arrPages)
        if (page->m_hWnd && (window == page->m_hWnd || ::IsChild(page->m_hWnd, window)))
            return true;
    return false;
}

void CScheduleRobotDlg::ShowPage()
{
    if (m_nPage == SCHEDULE_PAGE_DONE) {
        EndDialog(IDOK);
        return;
    }
    for (int page = 0; page < SCHEDULE_PAGE_COUNT; ++page)
        Page(page).ShowWindow(page == m_nPage ? SW_SHOW : SW_HIDE);
    GetDlgItem(IDC_BACK)->EnableWindow(m_nPage != SCHEDULE_PAGE_KIND);
    SetDlgItemText(IDC_NEXT, m_nPage == SCHEDULE_PAGE_ACCOUNT ? "Finish" : "Next >");
    EnableControls();
}

void CScheduleRobotDlg::OnNext()
{
    const CScheduleAnswers answers = ReadAnswers();
    // Enter reaches here even while the timer keeps the button disabled.
    if (!CanLeaveSchedulePage(m_nPage, answers))
        return;
    if (m_nPage == SCHEDULE_PAGE_ACCOUNT) {
        HRESULT result = S_OK;
        if (CreateTask(&result))
            m_nPage = SCHEDULE_PAGE_DONE;
        else
            AfxMessageBox(FormatScheduleSaveError(result), MB_ICONEXCLAMATION);
    } else {
        m_nPage = NextSchedulePage(m_nPage, answers.kind);
    }
    ShowPage();
}

void CScheduleRobotDlg::OnBack()
{
    m_nPage = PreviousSchedulePage(m_nPage, ReadAnswers().kind);
    ShowPage();
}

void CScheduleRobotDlg::OnTimer(UINT_PTR timerId)
{
    if (timerId == TIMER_ENABLE_CONTROLS)
        EnableControls();
    else
        CDialog::OnTimer(timerId);
}

void CScheduleRobotDlg::OnDestroy()
{
    KillTimer(TIMER_ENABLE_CONTROLS);
    CDialog::OnDestroy();
}

void CScheduleRobotDlg::EnableControls()
{
    const CScheduleAnswers answers = ReadAnswers();
    GetDlgItem(IDC_NEXT)->EnableWindow(CanLeaveSchedulePage(m_nPage, answers));
    if (m_nPage == 1) {
        const int numberControls[] = {IDC_NUMBER, IDC_NUMBER_SPIN};
        EnableItems(Page(1), numberControls, answers.option == DAILY_EVERY_N_DAYS);
    } else if (m_nPage == 3) {
        const int lists[] = {IDC_WEEK_LIST, IDC_WEEKDAY_LIST};
        EnableItems(Page(3), lists, answers.option == MONTHLY_BY_WEEKDAY);
    } else if (m_nPage == SCHEDULE_PAGE_ACCOUNT) {
        EnableItems(Page(SCHEDULE_PAGE_ACCOUNT), kAccountControls, answers.otherAccount);
    }
}

CScheduleAnswers CScheduleRobotDlg::ReadAnswers() const
{
    CScheduleAnswers answers;
    const int kind = CheckedPosition(Page(0), kKindRadios);
    answers.kind = static_cast<ScheduleKind>(static_cast<int>(ScheduleKind::Daily) + (kind < 0 ? 0 : kind));
    const int kindPage = SchedulePageOfKind(answers.kind);
    if (kindPage != SCHEDULE_PAGE_KIND) {
        const CChildDialog& page = Page(kindPage);
        answers.time = PickerTime(page, IDC_START_TIME);
        answers.date = PickerTime(page, IDC_START_DATE);
        answers.number = ReadScheduleNumber(ItemText(page, IDC_NUMBER));
        if (kindPage == 1)
            answers.option = CheckedPosition(page, kDailyRadios);
        else if (kindPage == 3)
            answers.option = CheckedPosition(page, kMonthlyRadios);
    }
    answers.days = CheckedBits(Page(2), kDayBoxes);
    answers.months = CheckedBits(Page(3), kMonthBoxes);
    answers.week = ItemText(Page(3), IDC_WEEK_LIST);
    answers.weekday = ItemText(Page(3), IDC_WEEKDAY_LIST);
    const CChildDialog& account = Page(SCHEDULE_PAGE_ACCOUNT);
    answers.otherAccount = account.IsDlgButtonChecked(IDC_OTHER_ACCOUNT) == BST_CHECKED;
    answers.userName = ItemText(account, IDC_USER_NAME);
    answers.password = ItemText(account, IDC_PASSWORD);
    answers.confirmPassword = ItemText(account, IDC_CONFIRM_PASSWORD);
    return answers;
}

BOOL CScheduleRobotDlg::CreateTask(HRESULT* saveResult)
{
    const CScheduleAnswers answers = ReadAnswers();
    SYSTEMTIME now;
    GetLocalTime(&now);
    CScheduledTask task;
    task.SetApplicationName(m_strProgramPath);
    task.SetParameters(FormatString("-a %s", static_cast<const char*>(m_strRobotName)));
    task.SetWorkingDirectory(GetCurrentDirectoryPath());
    if (answers.otherAccount) {
        task.SetAccountName(answers.userName);
        task.SetPassword(answers.password);
    }
    task.SetFlags(ScheduleJobFlags(answers.otherAccount));
    task.AddTrigger(BuildScheduleTrigger(answers, now));
    const HRESULT result =
        task.SaveTask(FormatString("OrvantisTapwright_%s.job", static_cast<const char*>(m_strRobotName)), FALSE, FALSE);
    if (saveResult)
        *saveResult = result;
    return result == S_OK;
}
