// Shares the input state of the calling thread with a window's thread for the
// length of a scope, so that SetFocus, GetFocus, GetCaretPos and SetActiveWindow
// act on the other program; every way out of the scope detaches again.
#pragma once

#include "engine/system/SystemWindows.h"

class CWindowThreadAttach
{
public:
    explicit CWindowThreadAttach(HWND window) { AttachToWindowThread(window, true); }
    ~CWindowThreadAttach() { AttachToWindowThread(nullptr, false); }
    CWindowThreadAttach(const CWindowThreadAttach&) = delete;
    CWindowThreadAttach& operator=(const CWindowThreadAttach&) = delete;
};
