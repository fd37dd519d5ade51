// The parameters of the pending wait. One value, so that a nested run (an
// Adlib or hotkey function between two polls) saves and restores them whole
// and the interrupted wait goes on with its own.
#pragma once

#include "engine/CScriptString.h"

#include <windows.h>

struct CScriptWaitParams
{
    // Whether the window wait's, respectively the process wait's, timeout
    // has elapsed; never for a timeout of 0.
    bool WindowWaitTimedOut() const;
    bool ProcessWaitTimedOut() const;

    // Window waits and DELAY: the searched title and text, the timeout in ms
    // (0: none) and the timeGetTime of the start.
    CScriptString m_sTitle;
    CScriptString m_sText;
    int m_nTimeout = 0;
    DWORD m_dwStart = 0;
    // Process waits: the process name or id text, timeout and start.
    CScriptString m_sProcess;
    int m_nProcessTimeout = 0;
    DWORD m_dwProcessStart = 0;
    // The child a RUNWAIT waits for; whoever ends the wait closes it.
    HANDLE m_hRunWaitChild = nullptr;
};
