#pragma once

#include "engine/CMarionet_Script.h"
#include "engine/builtins/CKeySender.h"
#include "engine/builtins/WindowSearch.h"
#include "engine/system/CProgressWindow.h"
#include "engine/system/CSplashWindow.h"

// What the built-in families keep beside the engine: its key sender, the
// shared window search of the window and control built-ins, and the
// script's progress and splash windows.
class CBuiltinState : public IScriptBuiltinState
{
public:
    CKeySender m_KeySender;
    CWindowSearch m_WindowSearch;
    CProgressWindow m_ProgressWindow;
    CSplashWindow m_SplashWindow;
    // Set by Break; nothing reads it.
    BYTE m_bBreakEnabled = 1;
};

// The state installed by InstallScriptBuiltins.
CBuiltinState& BuiltinState(CMarionet_Script& engine);
