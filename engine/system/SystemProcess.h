// Finding processes, closing windows and shutting the system down.
#pragma once

#include <windows.h>

class COsVersion;

// Looks for a process by executable name (with extension, any case) or, when
// the text is all digits, by id. False only when no enumeration is available.
bool FindProcess(const char* nameOrId, DWORD& id, bool& found);

// WM_CLOSE with a 500 ms timeout; when that fails the owning process is
// terminated, unless it is this program.
bool CloseWindowOrKill(HWND window);

// ExitWindowsEx with the privilege it needs; on the 9x family the force flag
// closes every other top-level window first.
bool ShutdownWindows(UINT flags);

// What SHUTDOWN calls: ShutdownWindows unless replaced. Tests replace it,
// since the real one would end every process of the session.
using ShutdownHandler = bool (*)(UINT flags);
// Installs the handler and gives back the one it replaces.
ShutdownHandler ReplaceShutdownHandler(ShutdownHandler handler);
bool RequestShutdown(UINT flags);

enum EPriorityRule
{
    PRIORITY_OK = 0,
    PRIORITY_OUT_OF_RANGE = 1,
    // Below and above normal, which the 9x family does not have.
    PRIORITY_NOT_ON_9X = 2
};

// The priority class for a priority from 0 (idle) to 5 (real time) on the
// given system; dwClass is set only with PRIORITY_OK.
EPriorityRule PriorityClassOf(int nPriority, const COsVersion& os, DWORD& dwClass);
