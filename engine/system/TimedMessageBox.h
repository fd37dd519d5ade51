// A message box that closes itself after a timeout.
#pragma once

#include <windows.h>

// The box's result, or -1 when the timeout (ms; 0 for none) ended it.
int TimedMessageBox(HWND owner, const char* text, const char* caption, UINT type, DWORD timeoutMs);
