// The application object: the one global object of this kind, made before the program's
// entry point runs. The entry point (AfxWinMain) calls InitInstance, then Run, the
// program's only main loop; the exit code of WM_QUIT becomes the process's.
#pragma once

#include <windows.h>

#include "framework/CNonCopyable.h"

class CWnd;

class CWinApp : private CNonCopyable
{
public:
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();

    // FALSE ends the program at once (with the result of ExitInstance).
    virtual BOOL InitInstance();
    // Returns the process's exit code: that of the WM_QUIT that ended Run.
    virtual int ExitInstance();
    // The message loop; returns ExitInstance's result.
    virtual int Run();
    // Idle work after the queue empties; count 0 frees temporary wrappers. TRUE asks for
    // another call before the loop waits.
    virtual BOOL OnIdle(LONG count);
    // Offers a queued message to its window and the window's parents.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Takes one message from the queue and handles it; FALSE on WM_QUIT (the exit code
    // is kept for ExitInstance).
    BOOL PumpMessage();

    const char* m_pszAppName;
    HINSTANCE m_hInstance = nullptr;
    char* m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    // The thread's main window.
    CWnd* m_pMainWnd = nullptr;
    // The exit code of the WM_QUIT that ended the loop.
    int m_nExitCode = 0;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// Offers a message to the application's PreTranslateMessage (the window chain when there
// is no application object); TRUE when it was taken. Message pumps call this before
// translating and dispatching.
BOOL AfxPreTranslateMessage(MSG* msg);
// The program's entry: called by the framework's WinMain.
int AfxWinMain(HINSTANCE instance, HINSTANCE previous, char* commandLine, int show);
