#pragma once

#include "framework/CString.h"

#include <windows.h>

// The window that recorded actions went to. The line tag "-> At Win [n]"
// names a record by its position in the robot's list, not by WinIndex.
struct RecordedWindowInfo
{
    // The window's number among the recorded windows of the same program,
    // from 1.
    int WinIndex = 0;
    // The live window; kept in memory only, never written to a file.
    HWND hWnd = nullptr;
    // Title of the top-level window, or a pseudo title such as "Desktop".
    CString WinTitle;
    // Executable path of the window's process, or a pseudo name such as
    // "Program Manager".
    CString WinPath;
    // Screen rectangle: left, top, right, bottom.
    RECT WinRect = {0, 0, 0, 0};
    // Parent depth of the window; -1 matches any depth.
    int WinParentLevel = 0;
};
