#include "engine/builtins/WaitBuiltins.h"

#include "engine/CMarionet_ScriptFile.h"
#include "engine/system/PreciseSleep.h"
#include "engine/ScriptGlobals.h"
#include "engine/builtins/BuiltinBinding.h"

#include <mmsystem.h>

namespace {

const int kFasterSpeedDropMs = 200;

// In a faster-speed run, short robot pauses are dropped.
void RobotPause(CMarionet_Script& engine, int ms)
{
    if (engine.ScriptFile().m_nFasterSpeed == 0 || ms > kFasterSpeedDropMs)
        PreciseSleep(ms);
}

// Runs on the multimedia timer's thread. The timer has fired, so it is not
// killed; only the period begun for it is ended.
void CALLBACK WaitLongTimerProc(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR)
{
    CMarionet_Script& engine = *reinterpret_cast<CMarionet_Script*>(user);
    if (WaitLongBusy.exchange(0) == 0)
        return;
    timeEndPeriod(engine.m_uWaitLongPeriod);
}

int Wait(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    RobotPause(engine, args[0].GetInteger());
    return 0;
}

int WaitLong(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    int ms = args[0].GetInteger();
    EndWaitLong(engine);
    TIMECAPS caps = {};
    timeGetDevCaps(&caps, sizeof caps);
    UINT period = caps.wPeriodMin < caps.wPeriodMax ? caps.wPeriodMin : caps.wPeriodMax;
    engine.m_uWaitLongPeriod = period;
    engine.m_uWaitLongTimer = 0;
    timeBeginPeriod(period);
    WaitLongBusy = 1;
    UINT timer = timeSetEvent(ms > 0 ? static_cast<UINT>(ms) : 0, period, WaitLongTimerProc,
                              reinterpret_cast<DWORD_PTR>(&engine), TIME_ONESHOT | TIME_CALLBACK_FUNCTION);
    if (timer != 0) {
        engine.m_uWaitLongTimer = timer;
        return 0;
    }
    if (WaitLongBusy.exchange(0) != 0)
        timeEndPeriod(period);
    RobotPause(engine, ms);
    return 0;
}

int Delay(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    int ms = args[0].GetInteger();
    if (ms <= 0) {
        Sleep(0);
        return 0;
    }
    engine.m_Wait.m_dwStart = timeGetTime();
    engine.m_Wait.m_nTimeout = ms;
    engine.RunWaitService(CMarionet_Script::WAIT_DELAY);
    return 0;
}

}  // namespace

void EndWaitLong(CMarionet_Script& engine)
{
    // Nothing pending: no stale timer id is killed and no period that was not
    // begun is ended.
    if (WaitLongBusy.exchange(0) == 0)
        return;
    if (engine.m_uWaitLongTimer != 0)
        timeKillEvent(engine.m_uWaitLongTimer);
    timeEndPeriod(engine.m_uWaitLongPeriod);
    engine.m_uWaitLongTimer = 0;
}

void RegisterWaitBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"WAIT", Wait},
        {"WAITLONG", WaitLong},
        {"DELAY", Delay},
    };
    BindBuiltins(engine, kBindings);
    CMarionet_Script* target = &engine;
    engine.m_Hooks.endWaitLong = [target]() { EndWaitLong(*target); };
}
