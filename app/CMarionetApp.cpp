#include "app/CMarionetApp.h"

#include "app/AutoRunCommandLine.h"
#include "app/CMarionetDlg.h"
#include "app/RobotFolder.h"
#include "app/RunningInstanceWindow.h"
#include "framework/AfxResource.h"
#include "framework/WindowClass.h"
#include "res/TapforgeResource.h"

namespace {

const char kMutexName[] = "Orvantis Tapsmith Mutex";
const char kTrayTooltip[] = "Orvantis Tapsmith";
// A first instance started at the same moment may not show its window yet.
const DWORD kFindWindowTimeoutMs = 10000;
const DWORD kFindWindowPollMs = 100;

}  // namespace

CMarionetApp::CMarionetApp() = default;

CMarionetApp::~CMarionetApp()
{
    delete m_pMainDialog;
}

CMarionetApp* CMarionetApp::Get()
{
    return dynamic_cast<CMarionetApp*>(AfxGetApp());
}

BOOL CMarionetApp::InitInstance()
{
    // The handle stays open for the process's life; the system closes it.
    HANDLE mutex = ::CreateMutexA(nullptr, TRUE, kMutexName);
    if (!mutex)
        return TRUE;
    if (::GetLastError() != ERROR_ALREADY_EXISTS) {
        ::ReleaseMutex(mutex);
        return TRUE;
    }
    // Second instances take turns.
    ::WaitForSingleObject(mutex, INFINITE);
    HandOverToRunningInstance();
    ::ReleaseMutex(mutex);
    return FALSE;
}

void CMarionetApp::HandOverToRunningInstance()
{
    HWND running = WaitForRunningMainDialog(kFindWindowTimeoutMs, kFindWindowPollMs);
    if (!running)
        return;
    ::ShowWindow(running, SW_SHOWNORMAL);
    ::SetForegroundWindow(running);
    CString robotName;
    if (!ParseAutoRunRequest(ProgramArguments(::GetCommandLineA()), robotName))
        return;
    const int index = FindRobotFileIndex(GetScriptFolder(), robotName);
    ::SendMessageA(running, WM_RUNROBOTBYINDEX, 0, index);
}

int CMarionetApp::Run()
{
    bool created = false;
    for (int attempt = 0; attempt < MAIN_DIALOG_ATTEMPTS && !created; ++attempt)
        created = CreateMainDialog() == 1;
    if (!created)
        return NO_MAIN_WINDOW_EXIT_CODE;
    return CWinApp::Run();
}

int CMarionetApp::CreateMainDialog()
{
    if (!m_HiddenWnd.IsWindow() && !m_HiddenWnd.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CW_USEDEFAULT,
                                                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr))
        return 0;
    delete m_pMainDialog;
    m_pMainDialog = new CMarionetDlg(nullptr);
    CString robotName;
    if (ParseAutoRunRequest(ProgramArguments(::GetCommandLineA()), robotName)) {
        m_pMainDialog->m_bStartedWithAutoRun = 1;
        m_pMainDialog->m_strAutoRunRobotName = robotName;
    }
    if (!m_pMainDialog->Create(CMarionetDlg::IDD, nullptr)) {
        delete m_pMainDialog;
        m_pMainDialog = nullptr;
        return 0;
    }
    m_pMainWnd = m_pMainDialog;
    m_pMainDialog->ShowWindow(SW_SHOWNORMAL);
    m_HiddenWnd.DestroyWindow();
    SetupTrayIcon();
    return 1;
}

void CMarionetApp::SetupTrayIcon()
{
    m_TrayIcon.SetIcon(TRAYICON_MAIN, ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_TRAY)));
    m_TrayIcon.Create(m_pMainDialog);
    m_TrayIcon.m_nMenuResource = IDR_TRAY_MENU;
    m_TrayIcon.m_strTooltip = kTrayTooltip;
    m_TrayIcon.m_pMainWnd = m_pMainDialog;
    // A missing tray icon is not reported: the program runs without one.
    for (int attempt = 0; attempt < TRAY_ICON_ATTEMPTS; ++attempt) {
        if (m_TrayIcon.AddIcon(TRAYICON_MAIN))
            break;
    }
}

void CMarionetApp::RemoveTrayIcon()
{
    m_TrayIcon.RemoveIcon();
}
