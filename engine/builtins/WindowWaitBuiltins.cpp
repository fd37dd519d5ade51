#include "engine/builtins/WindowWaitBuiltins.h"

#include "engine/ScriptNumber.h"
#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/PolledWait.h"
#include "engine/builtins/WindowBuiltinSupport.h"

#include <mmsystem.h>

namespace {

const DWORD kPollPauseMs = 10;

bool WaitConditionHolds(CMarionet_Script& engine)
{
    CWindowSearch& search = WindowSearchOf(engine);
    search.SetWindowSearch(engine.m_Wait.m_sTitle, engine.m_Wait.m_sText);
    WindowSearchOptions options = WindowSearchOptionsOf(engine);
    switch (engine.m_nWaitState) {
    case CMarionet_Script::WAIT_WINWAIT:
        return search.FindSearchedWindow(options);
    case CMarionet_Script::WAIT_WINWAITCLOSE:
        return !search.FindSearchedWindow(options);
    case CMarionet_Script::WAIT_WINWAITACTIVE:
        return search.IsSearchedWindowActive(options);
    case CMarionet_Script::WAIT_WINWAITNOTACTIVE:
        return !search.IsSearchedWindowActive(options);
    default:
        return false;
    }
}

// Title, optional text, optional timeout in seconds; the wait's service run
// pumps messages until the poller ends it.
int WaitForWindowState(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result, int state)
{
    SetWindowSearch(engine, args, args.GetCount());
    int timeout = 0;
    if (args.GetCount() == 3)
        timeout = ScriptDoubleToInteger(args[2].GetNumber() * 1000.0);
    engine.m_Wait.m_nTimeout = timeout;
    engine.m_Wait.m_dwStart = timeGetTime();
    engine.m_vResult.SetInteger(1);
    result = engine.RunWaitService(state);
    return 0;
}

int WinWait(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WaitForWindowState(engine, args, result, CMarionet_Script::WAIT_WINWAIT);
}

int WinWaitClose(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WaitForWindowState(engine, args, result, CMarionet_Script::WAIT_WINWAITCLOSE);
}

int WinWaitActive(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WaitForWindowState(engine, args, result, CMarionet_Script::WAIT_WINWAITACTIVE);
}

int WinWaitNotActive(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WaitForWindowState(engine, args, result, CMarionet_Script::WAIT_WINWAITNOTACTIVE);
}

}  // namespace

int PollWindowWait(CMarionet_Script& engine)
{
    int state = engine.m_nWaitState;
    if (state < CMarionet_Script::WAIT_DELAY || state > CMarionet_Script::WAIT_WINWAITNOTACTIVE)
        return 0;
    Sleep(kPollPauseMs);
    if (engine.m_Wait.WindowWaitTimedOut()) {
        if (state != CMarionet_Script::WAIT_DELAY)
            engine.m_vResult.SetInteger(0);
        EndPolledWait(engine);
        return 1;
    }
    if (WaitConditionHolds(engine)) {
        EndMetWait(engine);
    }
    return 1;
}

void RegisterWindowWaitBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"WINWAIT", WinWait},
        {"WINWAITCLOSE", WinWaitClose},
        {"WINWAITACTIVE", WinWaitActive},
        {"WINWAITNOTACTIVE", WinWaitNotActive},
    };
    BindBuiltins(engine, kBindings);
    CMarionet_Script* target = &engine;
    engine.m_Hooks.pollWindowWait = [target]() { return PollWindowWait(*target); };
}
