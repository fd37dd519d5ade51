#include "engine/builtins/BuiltinRegistry.h"

#include "engine/builtins/CBuiltinState.h"
#include "engine/builtins/ControlBuiltins.h"
#include "engine/builtins/ControlCommand.h"
#include "engine/builtins/FileHandleBuiltins.h"
#include "engine/builtins/KeyBuiltins.h"
#include "engine/builtins/MathStringBuiltins.h"
#include "engine/builtins/MouseBuiltins.h"
#include "engine/builtins/OptionBuiltins.h"
#include "engine/builtins/PixelBuiltins.h"
#include "engine/builtins/SystemBuiltinFamilies.h"
#include "engine/builtins/WaitBuiltins.h"
#include "engine/builtins/WindowBuiltins.h"
#include "engine/builtins/WindowShellBuiltins.h"
#include "engine/builtins/WindowWaitBuiltins.h"

#include <cstring>

CBuiltinState& BuiltinState(CMarionet_Script& engine)
{
    return static_cast<CBuiltinState&>(*engine.m_pBuiltinState);
}

void BindBuiltin(CMarionet_Script& engine, const char* pszName, ScriptBuiltinHandler handler)
{
    engine.SetBuiltinHandler(FindScriptBuiltin(pszName, static_cast<int>(std::strlen(pszName))), handler);
}

void InstallScriptBuiltins(CMarionet_Script& engine)
{
    engine.m_pBuiltinState.reset(new CBuiltinState);
    CMarionet_Script* pEngine = &engine;
    engine.m_Hooks.releaseHeldKeys = [pEngine]() { BuiltinState(*pEngine).m_KeySender.ReleaseHeldKeys(); };
    // A robot that runs in the background posts its keys to the target
    // window instead of sending them as input.
    engine.m_Hooks.setSendBackground = [pEngine](int bBackground) {
        BuiltinState(*pEngine).m_KeySender.m_bPostMessageMode = bBackground;
    };
    BuiltinState(engine).m_KeySender.m_bPostMessageMode = engine.m_bRunAtBackground;

    RegisterFileHandleBuiltins(engine);
    RegisterOptionBuiltins(engine);
    RegisterWindowBuiltins(engine);
    RegisterWindowShellBuiltins(engine);
    RegisterWindowWaitBuiltins(engine);
    RegisterControlBuiltins(engine);
    RegisterControlCommand(engine);
    RegisterMouseBuiltins(engine);
    RegisterPixelBuiltins(engine);
    RegisterWaitBuiltins(engine);
    RegisterKeyBuiltins(engine);
    RegisterMathAndStringBuiltins(engine);
    RegisterHotkeyBuiltins(engine);
    RegisterScriptCallBuiltins(engine);
    RegisterEnvironmentBuiltins(engine);
    RegisterMachineBuiltins(engine);
    RegisterMessageSoundBuiltins(engine);
    RegisterEngineWindowBuiltins(engine);
}
