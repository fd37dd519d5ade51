#include "framework/CWndCreationHook.h"

#include "framework/CWnd.h"

namespace {

thread_local CWnd* t_pending = nullptr;

// Windows the system makes on the side of the first window of a thread (input method
// windows) must not be taken for ours.
bool IsSideWindow(HWND hwnd)
{
    char className[32] = {};
    ::GetClassNameA(hwnd, className, sizeof(className));
    return lstrcmpiA(className, "IME") == 0 || lstrcmpiA(className, "MSCTFIME UI") == 0;
}

}  // namespace

CWndCreationHook::CWndCreationHook(CWnd* window) : m_pOuterPending(t_pending)
{
    t_pending = window;
    m_hHook = ::SetWindowsHookExA(WH_CBT, &CWndCreationHook::HookProc, nullptr, ::GetCurrentThreadId());
}

CWndCreationHook::~CWndCreationHook()
{
    if (m_hHook)
        ::UnhookWindowsHookEx(m_hHook);
    t_pending = m_pOuterPending;
}

LRESULT CALLBACK CWndCreationHook::HookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_pending) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        if (!IsSideWindow(hwnd)) {
            CWnd* window = t_pending;
            t_pending = nullptr;
            if (window->Attach(hwnd)) {
                window->m_bOwnsWindow = true;
                window->PreSubclassWindow();
                window->InstallWindowProc();
            }
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
