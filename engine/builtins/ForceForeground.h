// Brings a window to the front against the system's foreground lock.
#pragma once

#include <windows.h>

// True when the window is the foreground window afterwards.
bool ForceForeground(HWND window);
