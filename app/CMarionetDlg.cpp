#include "app/CMarionetDlg.h"

#include "app/CDoYouKnowDlg.h"
#include "app/CMarionetApp.h"
#include "app/RobotFolder.h"
#include "app/ShowTipsOption.h"
#include "app/WindowPlacement.h"
#include "framework/AfxMessageBox.h"
#include "framework/AfxResource.h"
#include "framework/CDataExchange.h"
#include "framework/CPaintDC.h"
#include "res/TapforgeResource.h"
#include "robot/AppFolders.h"

namespace {

const char kQuitQuestion[] =
    "You will not be able to run robot by hotkey if you quit Tapforge.\n"
    "You can run Tapforge in system tray by right click tray icon and select 'Hide Tapforge'.\n\n"
    "Are you sure you want to quit Tapforge?";
const char kRobotListHeadings[] = "Enable,50;Name,100;Start Key,60;End Key,60";
const DWORD kRobotListStyles = LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
const int kQuitExitCode = 18;
const UINT kStartTimerPeriodMs = 30;

// The ids of the image buttons, in the order of the dialog's button array.
const int kButtonIds[8] = {IDC_SCHEDULE_ROBOT, IDC_RUN_ROBOT,  IDC_OPTIONS,      IDC_HELP_BUTTON,
                           IDC_ADD_ROBOT,      IDC_EDIT_ROBOT, IDC_REMOVE_ROBOT, IDC_RECORD_ROBOT};

struct CommandButton
{
    int id;
    int icon;
    const char* tooltip;
    int x;
    int y;
};

const CommandButton kCommandButtons[] = {
    {IDC_RUN_ROBOT, IDI_RUN_ROBOT, "Run the selected robot", 350, 46},
    {IDC_SCHEDULE_ROBOT, IDI_SCHEDULE, "Schedule selected robot to run later", 445, 46},
    {IDC_HELP_BUTTON, IDI_HELP, "Help", 550, 46},
    {IDC_ADD_ROBOT, IDI_ADD_ROBOT, "Add a robot", 330, 280},
    {IDC_EDIT_ROBOT, IDI_EDIT_ROBOT, "Edit selected robot", 430, 280},
    {IDC_REMOVE_ROBOT, IDI_REMOVE_ROBOT, "Remove selected robot", 525, 280},
};

CString OptionsFilePath()
{
    return GetUserDataFolder() + "\\option.ini";
}

}  // namespace

BEGIN_MESSAGE_MAP(CMarionetDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_TEST, OnTest)
    ON_BN_CLICKED(IDC_RUN_ROBOT, OnRunRobot)
    ON_BN_CLICKED(IDC_SCHEDULE_ROBOT, OnScheduleRobot)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelp)
    ON_BN_CLICKED(IDC_ADD_ROBOT, OnAddRobot)
    ON_BN_CLICKED(IDC_EDIT_ROBOT, OnEditRobot)
    ON_BN_CLICKED(IDC_REMOVE_ROBOT, OnRemoveRobot)
    ON_BN_CLICKED(IDC_RECORD_ROBOT, OnRecordRobot)
    ON_BN_CLICKED(IDC_OPTIONS, OnOptions)
    ON_COMMAND(ID_FEEDBACK, OnFeedback)
    ON_COMMAND(ID_SHARE_ROBOT, OnShareRobot)
    ON_WM_HOTKEY()
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_ROBOT_LIST, OnRobotListItemChanged)
    ON_MESSAGE(WM_RUNROBOTBYINDEX, OnRunRobotByIndex)
END_MESSAGE_MAP()

CMarionetDlg::CMarionetDlg(CWnd* parent) : CDialog(IDD, parent)
{
    m_hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

CMarionetDlg::~CMarionetDlg()
{
    m_Background.DeleteObject();
    if (m_RobotList.IsWindow())
        m_RobotList.DeleteAllItems();
}

void CMarionetDlg::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_ROBOT_LIST, m_RobotList);
    for (int i = 0; i < 8; ++i)
        DDX_Control(exchange, kButtonIds[i], m_arrButtons[i]);
}

BOOL CMarionetDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_Background.LoadBitmap(IDB_BACKGROUND);
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    ResizeAndCenterWindow(m_hWnd, {0, 0, 650, 343});
    SetupButtons();
    InitRobotList();
    LoadRobots();
    SetTimer(m_bStartedWithAutoRun ? TIMER_RUN_AUTO_ROBOT : TIMER_SHOW_TIPS, kStartTimerPeriodMs);
    return TRUE;
}

void CMarionetDlg::SetupButtons()
{
    for (const CommandButton& command : kCommandButtons) {
        for (int i = 0; i < 8; ++i) {
            if (kButtonIds[i] != command.id)
                continue;
            CButtonST& button = m_arrButtons[i];
            button.SetIcon(command.icon, CButtonST::BTNST_AUTO_DARKER);
            button.SetTooltipText(command.tooltip, TRUE);
            button.SetAlign(CButtonST::ST_ALIGN_HORIZ, TRUE);
            button.DrawTransparent(FALSE);
            button.SetWindowPos(nullptr, command.x, command.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
    }
}

void CMarionetDlg::InitRobotList()
{
    m_RobotList.SetExtendedStyle(m_RobotList.GetExtendedStyle() | kRobotListStyles);
    m_RobotList.SetHeadings(kRobotListHeadings);
    m_RobotList.LoadColumnInfo();
    m_RobotList.MoveWindow(23, 75, 601, 204);
}

void CMarionetDlg::OnPaint()
{
    if (IsIconic()) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        CRect client;
        GetClientRect(&client);
        const int x = (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
        return;
    }
    if (!m_Background.GetSafeHandle()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    BITMAP size{};
    m_Background.GetBitmap(&size);
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    memory.SelectObject(&m_Background);
    dc.BitBlt(0, 0, size.bmWidth, size.bmHeight, &memory, 0, 0, SRCCOPY);
}

HCURSOR CMarionetDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CMarionetDlg::OnCancel()
{
    if (AfxMessageBox(kQuitQuestion, MB_YESNO) != IDYES)
        return;
    ShowWindow(SW_HIDE);
    if (CMarionetApp* app = CMarionetApp::Get())
        app->RemoveTrayIcon();
    QuitApplication();
}

void CMarionetDlg::QuitApplication()
{
    UnregisterAllHotKeys(0);
    ::PostQuitMessage(kQuitExitCode);
}

void CMarionetDlg::OnTimer(UINT_PTR id)
{
    CDialog::OnTimer(id);
    if (!IsWindowVisible())
        return;
    if (id == TIMER_RUN_AUTO_ROBOT) {
        KillTimer(id);
        RunAutoRunRobotAndQuit();
    } else if (id == TIMER_SHOW_TIPS) {
        KillTimer(id);
        LoadOptions();
        ShowTipsIfWanted();
    }
}

void CMarionetDlg::ShowTipsIfWanted()
{
    if (!m_bShowTips)
        return;
    CDoYouKnowDlg tips(nullptr);
    if (!tips.LoadTips())
        return;
    tips.DoModal();
    m_bShowTips = tips.GetShowAtStart();
    if (!m_bShowTips)
        SaveOptions();
}

void CMarionetDlg::RunAutoRunRobotAndQuit()
{
    ShowWindow(SW_HIDE);
    RunRobotByName(m_strAutoRunRobotName);
    ShowWindow(SW_HIDE);
    if (CMarionetApp* app = CMarionetApp::Get())
        app->RemoveTrayIcon();
    QuitApplication();
}

void CMarionetDlg::LoadOptions()
{
    m_bShowTips = ReadShowTipsOption(OptionsFilePath(), m_bShowTips);
}

void CMarionetDlg::SaveOptions()
{
    // In a fresh profile nothing has made the folder yet.
    CreateDirectoryPath(GetUserDataFolder());
    WriteShowTipsOption(OptionsFilePath(), m_bShowTips);
}

CString CMarionetDlg::GetRobotNameByIndex(int n) const
{
    return RobotNameAtIndex(GetScriptFolder(), n);
}
