#include "framework/CWinApp.h"

#include "framework/CWnd.h"
#include "framework/TemporaryMap.h"
#include "framework/WindowClass.h"

namespace {

CWinApp* g_app = nullptr;

}  // namespace

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName)
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return m_nExitCode;
}

int CWinApp::Run()
{
    LONG idleCount = 0;
    bool idle = true;
    for (;;) {
        MSG peeked;
        while (idle && !::PeekMessageA(&peeked, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++))
                idle = false;
        }
        if (!PumpMessage())
            break;
        idle = true;
        idleCount = 0;
    }
    return ExitInstance();
}

BOOL CWinApp::OnIdle(LONG count)
{
    if (count == 0)
        AfxFreeTemporaryObjects();
    return FALSE;
}

BOOL CWinApp::PreTranslateMessage(MSG* msg)
{
    return CWnd::WalkPreTranslateTree(msg);
}

BOOL CWinApp::PumpMessage()
{
    MSG msg;
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
        m_nExitCode = static_cast<int>(msg.wParam);
        return FALSE;
    }
    if (got == -1)
        return TRUE;
    if (!PreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

BOOL AfxPreTranslateMessage(MSG* msg)
{
    return g_app ? g_app->PreTranslateMessage(msg) : CWnd::WalkPreTranslateTree(msg);
}

int AfxWinMain(HINSTANCE instance, HINSTANCE, char* commandLine, int show)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->m_hInstance = instance;
    app->m_lpCmdLine = commandLine;
    app->m_nCmdShow = show;
    AfxInitCommonControls();
    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}

// The program's entry point. It lives beside the application object, which every program
// defines, so that the linker always finds it; an executable with its own main (a test)
// never calls it.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    return AfxWinMain(instance, previous, commandLine, show);
}
