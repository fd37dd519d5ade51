// The recording hook library: low-level mouse and keyboard hooks that post one
// message per input event to the recorder window. Low-level hooks run on the
// thread that installed them, so the recorder's own message loop drives them.
#include "editor/automation/HookMessages.h"

namespace {

HHOOK g_hMouseHook = nullptr;
HHOOK g_hKeyHook = nullptr;
HWND g_hRecorder = nullptr;

// Mouse events the recorder takes; low-level hooks report neither double
// clicks nor the non-client forms.
bool IsRecordedMouseEvent(WPARAM event)
{
    switch (event) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MOUSEWHEEL:
        return true;
    default:
        return false;
    }
}

LPARAM MouseParameter(WPARAM event, const MSLLHOOKSTRUCT& data)
{
    if (event == WM_MOUSEMOVE)
        return MAKELPARAM(data.pt.x, data.pt.y);
    if (event == WM_MOUSEWHEEL)
        return static_cast<short>(HIWORD(data.mouseData)) > 0 ? 1 : 0;
    return reinterpret_cast<LPARAM>(::WindowFromPoint(data.pt));
}

LRESULT CALLBACK MouseHookProc(int code, WPARAM event, LPARAM lParam)
{
    if (code == HC_ACTION && IsRecordedMouseEvent(event)) {
        const auto& data = *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        ::PostMessageA(g_hRecorder, WM_HOOK_MOUSE, event, MouseParameter(event, data));
    }
    return ::CallNextHookEx(g_hMouseHook, code, event, lParam);
}

LRESULT CALLBACK KeyHookProc(int code, WPARAM event, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const auto& data = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        // Keys pressed with Alt come as system keys; the recorder knows only down and up.
        const bool down = event == WM_KEYDOWN || event == WM_SYSKEYDOWN;
        const bool up = event == WM_KEYUP || event == WM_SYSKEYUP;
        if (down || up)
            ::PostMessageA(g_hRecorder, WM_HOOK_KEY, data.vkCode, MAKELPARAM(0, down ? WM_KEYDOWN : WM_KEYUP));
    }
    return ::CallNextHookEx(g_hKeyHook, code, event, lParam);
}

}  // namespace

extern "C" __declspec(dllexport) BOOL WINAPI UninstallHook()
{
    if (g_hMouseHook)
        ::UnhookWindowsHookEx(g_hMouseHook);
    if (g_hKeyHook)
        ::UnhookWindowsHookEx(g_hKeyHook);
    g_hMouseHook = nullptr;
    g_hKeyHook = nullptr;
    g_hRecorder = nullptr;
    return TRUE;
}

extern "C" __declspec(dllexport) BOOL WINAPI InstallHook(HINSTANCE library, HWND recorder)
{
    UninstallHook();
    g_hRecorder = recorder;
    g_hMouseHook = ::SetWindowsHookExA(WH_MOUSE_LL, MouseHookProc, library, 0);
    g_hKeyHook = ::SetWindowsHookExA(WH_KEYBOARD_LL, KeyHookProc, library, 0);
    if (g_hMouseHook && g_hKeyHook)
        return TRUE;
    UninstallHook();
    return FALSE;
}
