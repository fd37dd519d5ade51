#pragma once

#include "engine/CMarionet_Script.h"
#include "engine/builtins/CKeySender.h"
#include "engine/builtins/WindowSearch.h"

// What the built-in families keep beside the engine: its key sender and the
// shared window search of the window and control built-ins.
class CBuiltinState : public IScriptBuiltinState
{
public:
    CKeySender m_KeySender;
    CWindowSearch m_WindowSearch;
};

// The state installed by InstallScriptBuiltins.
CBuiltinState& BuiltinState(CMarionet_Script& engine);
