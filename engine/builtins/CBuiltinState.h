#pragma once

#include "engine/CMarionet_Script.h"
#include "engine/builtins/CKeySender.h"

// What the built-in families keep beside the engine: its key sender.
class CBuiltinState : public IScriptBuiltinState
{
public:
    CKeySender m_KeySender;
};

// The state installed by InstallScriptBuiltins.
CBuiltinState& BuiltinState(CMarionet_Script& engine);
