// What the recording hook library and the recorder agree on: the messages the
// library posts to the recorder window and the library's two entry points.
#pragma once

#include <windows.h>

// lParam: the cursor position, x in the low word, y in the high word.
constexpr UINT WM_HOOK_CURSOR = WM_USER + 14;
// wParam: the mouse message. lParam: the position for moves, the window under
// the mouse for buttons, or for the wheel a low word above 0 for a turn up.
constexpr UINT WM_HOOK_MOUSE = WM_USER + 15;
// wParam: the virtual-key code. lParam: WM_KEYDOWN or WM_KEYUP in the high word.
constexpr UINT WM_HOOK_KEY = WM_USER + 16;

// Starts the capture: from then on the library posts to the recorder window.
using InstallHookFunction = BOOL(WINAPI*)(HINSTANCE library, HWND recorder);
// Ends the capture.
using UninstallHookFunction = BOOL(WINAPI*)();
