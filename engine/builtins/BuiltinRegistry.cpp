#include "engine/builtins/BuiltinRegistry.h"

#include "engine/builtins/BuiltinBinding.h"
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
#include "engine/builtins/ProcessBuiltins.h"
#include "engine/builtins/RegistryBuiltins.h"
#include "engine/builtins/RunBuiltins.h"
#include "engine/builtins/WaitBuiltins.h"
#include "engine/builtins/WindowBuiltins.h"
#include "engine/builtins/WindowShellBuiltins.h"
#include "engine/builtins/WindowWaitBuiltins.h"

#include <cstring>

CBuiltinState& BuiltinState(CMarionet_Script& engine)
{
    return static_cast<CBuiltinState&>(*engine.m_pBuiltinState);
}

std::vector<std::string> BindBuiltinRows(CMarionet_Script& engine, const BuiltinBinding* pRows, std::size_t nCount)
{
    std::vector<std::string> failed;
    for (std::size_t i = 0; i < nCount; ++i) {
        const int nIndex = FindScriptBuiltin(pRows[i].m_pName, static_cast<int>(std::strlen(pRows[i].m_pName)));
        if (nIndex < 0 || engine.GetBuiltinHandler(nIndex))
            failed.push_back(pRows[i].m_pName);
        else
            engine.SetBuiltinHandler(nIndex, pRows[i].m_pHandler);
    }
    return failed;
}

std::vector<std::string> UnboundBuiltinNames(const CMarionet_Script& engine)
{
    std::vector<std::string> names;
    for (int i = 0; i < kScriptBuiltinCount; ++i) {
        if (!engine.GetBuiltinHandler(i))
            names.push_back(g_aScriptBuiltins[i].m_pName);
    }
    return names;
}

void InstallScriptBuiltins(CMarionet_Script& engine)
{
    // Installing again binds every family afresh rather than twice.
    engine.ClearBuiltinHandlers();
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
    RegisterMathBuiltins(engine);
    RegisterConversionBuiltins(engine);
    RegisterStringBuiltins(engine);
    RegisterStringSplitBuiltins(engine);
    RegisterStringClassBuiltins(engine);
    RegisterStringFormatBuiltin(engine);
    RegisterHotkeyBuiltins(engine);
    RegisterScriptCallBuiltins(engine);
    RegisterEnvironmentBuiltins(engine);
    RegisterMachineBuiltins(engine);
    RegisterMessageSoundBuiltins(engine);
    RegisterEngineWindowBuiltins(engine);
    RegisterRunBuiltins(engine);
    RegisterProcessBuiltins(engine);
    RegisterRegistryBuiltins(engine);
}
