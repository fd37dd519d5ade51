// Window helpers of the window and control built-ins.
#pragma once

#include <windows.h>

#include <string>

// Text lists are bounded to this many chars.
const size_t kWindowListLimit = 32767;

// True when a WM_NULL does not complete within the timeout.
bool IsWindowHung(HWND window, UINT timeoutMs);

// Attaches this thread's input to the window's thread when the window answers
// within 5000 ms; detach undoes only an attachment that was made.
bool AttachToWindowThread(HWND window, bool attach);

// The texts of the child windows, one per line ("\n" after each): visible ones
// only unless hidden ones are included; children that do not answer are skipped.
std::string GetWindowTextList(HWND window, bool includeHidden);

// The class names of the child windows, one per line.
std::string GetWindowClassList(HWND window);
