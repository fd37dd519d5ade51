// Window helpers of the window and control built-ins.
#pragma once

#include <windows.h>

#include <string>

// Text lists are bounded to this many chars.
const size_t kWindowListLimit = 32767;

// How long the engine waits for another program's window to answer. A window
// whose thread stopped pumping messages would otherwise block the GUI thread
// for good, with the robot's end hotkey and the program's close with it.
const UINT kWindowAnswerTimeoutMs = 5000;

// True when a WM_NULL does not complete within the timeout. Asked first for
// calls that send to the window inside the system (SetWindowTextA, MoveWindow,
// ShowWindow and the like), which take no timeout of their own.
bool IsWindowHung(HWND window, UINT timeoutMs = kWindowAnswerTimeoutMs);

// Every message the built-ins send to another program's window: the window's
// answer, or false (and an answer of 0) when it does not answer within
// kWindowAnswerTimeoutMs.
bool SendMessageGuarded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& answer);

// Attaches this thread's input to the window's thread when the window answers
// within 5000 ms; detach undoes only an attachment that was made.
bool AttachToWindowThread(HWND window, bool attach);

// The texts of the child windows, one per line ("\n" after each): visible ones
// only unless hidden ones are included; children that do not answer are skipped.
std::string GetWindowTextList(HWND window, bool includeHidden);

// The class names of the child windows, one per line.
std::string GetWindowClassList(HWND window);
