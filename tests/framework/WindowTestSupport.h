// Message pumping for the framework's window tests: every message passes the
// PreTranslateMessage chain, as in the program's own loop.
#pragma once

#include <windows.h>

#include "framework/CWinApp.h"

namespace window_test {

// Handles waiting messages until the condition holds or the time is up; the condition's
// last value. A WM_QUIT is put back and ends the wait.
template <class Condition>
bool PumpUntil(Condition done, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                return done();
            }
            if (!AfxPreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        if (done())
            return true;
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

inline void PumpFor(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}

// Presses and releases a key through the input queue, as a user would.
inline void PressKey(BYTE virtualKey)
{
    ::keybd_event(virtualKey, 0, 0, 0);
    ::keybd_event(virtualKey, 0, KEYEVENTF_KEYUP, 0);
}

// Brings the window to the front and puts the focus on it (a control of it).
inline void FocusForTyping(HWND control)
{
    HWND topLevel = ::GetAncestor(control, GA_ROOT);
    ::SetForegroundWindow(topLevel);
    ::SetFocus(control);
}

}  // namespace window_test
