// Finding processes, closing windows and shutting the system down.
#pragma once

#include <windows.h>

// Looks for a process by executable name (with extension, any case) or, when
// the text is all digits, by id. False only when no enumeration is available.
bool FindProcess(const char* nameOrId, DWORD& id, bool& found);

// WM_CLOSE with a 500 ms timeout; when that fails the owning process is
// terminated, unless it is this program.
bool CloseWindowOrKill(HWND window);

// ExitWindowsEx with the privilege it needs; on the 9x family the force flag
// closes every other top-level window first.
bool ShutdownWindows(UINT flags);
