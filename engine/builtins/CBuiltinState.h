#pragma once

#include "engine/CMarionet_Script.h"
#include "engine/builtins/CKeySender.h"
#include "engine/builtins/WindowSearch.h"
#include "engine/system/CProgressWindow.h"
#include "engine/system/CSplashWindow.h"
#include "engine/system/ProcessStart.h"

// What the built-in families keep beside the engine: its key sender, the
// shared window search of the window and control built-ins, the script's
// progress and splash windows, and the account that RUNASSET set (kept until
// the next RUNASSET, across runs).
class CBuiltinState : public IScriptBuiltinState
{
public:
    CKeySender m_KeySender;
    CWindowSearch m_WindowSearch;
    CProgressWindow m_ProgressWindow;
    CSplashWindow m_SplashWindow;
    // Set by Break; nothing reads it.
    BYTE m_bBreakEnabled = 1;
    BYTE m_bRunAsMode = 0;
    CRunAsAccount m_RunAs;
};

// The state installed by InstallScriptBuiltins.
CBuiltinState& BuiltinState(CMarionet_Script& engine);
