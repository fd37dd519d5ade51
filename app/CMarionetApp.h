#pragma once

#include "app/CMarionetHiddenWnd.h"
#include "app/CTrayIcon.h"
#include "framework/CWinApp.h"

class CMarionetDlg;

// The application: one running instance (a second start brings the first to
// the front and hands it a "-a" request), the modeless main dialog as the
// main window, and the tray icon.
class CMarionetApp : public CWinApp
{
public:
    CMarionetApp();
    ~CMarionetApp() override;

    // The application object of the process, when it is this kind.
    static CMarionetApp* Get();

    // TRUE for the first instance; FALSE for a second one, which ends.
    BOOL InitInstance() override;
    // Makes the main window (six attempts) and runs the message loop; the
    // result is the exit code. When no main window can be made the program
    // ends with a non-zero code instead of a loop without a window.
    int Run() override;

    // 1 when the main dialog was made; 0 when the hidden window or the
    // dialog could not be.
    virtual int CreateMainDialog();
    void SetupTrayIcon();
    void RemoveTrayIcon();

    CMarionetDlg* GetMainDialog() const { return m_pMainDialog; }

    enum
    {
        MAIN_DIALOG_ATTEMPTS = 6,
        TRAY_ICON_ATTEMPTS = 6,
        NO_MAIN_WINDOW_EXIT_CODE = 1
    };

private:
    void HandOverToRunningInstance();

    CMarionetHiddenWnd m_HiddenWnd;
    CMarionetDlg* m_pMainDialog = nullptr;
    CTrayIcon m_TrayIcon;
};
