#include "engine/builtins/ForceForeground.h"

#include "engine/system/CThreadInputLinks.h"
#include "engine/system/SystemWindows.h"

namespace {

void TapAlt()
{
    keybd_event(VK_MENU, static_cast<BYTE>(MapVirtualKeyA(VK_MENU, 0)), 0, 0);
    keybd_event(VK_MENU, static_cast<BYTE>(MapVirtualKeyA(VK_MENU, 0)), KEYEVENTF_KEYUP, 0);
}

}  // namespace

bool ForceForeground(HWND window)
{
    if (!window || !IsWindow(window))
        return false;
    HWND foreground = GetForegroundWindow();
    if (!foreground)
        foreground = FindWindowA("Shell_TrayWnd", nullptr);
    if (foreground == window)
        return true;
    // Restoring sends to the window and would wait for good on a hung one.
    if (IsIconic(window) && !IsWindowHung(window))
        ShowWindow(window, SW_RESTORE);
    if (SetForegroundWindow(window))
        return true;

    DWORD self = GetCurrentThreadId();
    DWORD target = WindowThreadId(window);
    DWORD front = WindowThreadId(foreground);
    CThreadInputLinks links;
    links.Attach(self, target);
    links.Attach(self, front);
    links.Attach(front, target);
    bool done = SetForegroundWindow(window) != FALSE;
    // Tapping Alt would release an Alt that a script holds down.
    if (!done && !(GetAsyncKeyState(VK_MENU) & 0x8000)) {
        TapAlt();
        TapAlt();
        done = SetForegroundWindow(window) != FALSE;
    }
    links.DetachAll();
    return done;
}
