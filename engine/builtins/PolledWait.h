// The end of a wait that the run loop polls (the window waits, Delay and the
// process waits): the line that started it returns and the run goes on.
#pragma once

#include "engine/CMarionet_Script.h"
#include "engine/system/PreciseSleep.h"

// Ends the wait at its timeout; the caller has set the result.
inline void EndPolledWait(CMarionet_Script& engine)
{
    engine.m_bReturn = 1;
    engine.m_nWaitState = CMarionet_Script::WAIT_RUNNING;
}

// Ends the wait because what it waited for came about, after the script's
// window-wait delay, so that the window or program can settle.
inline void EndMetWait(CMarionet_Script& engine)
{
    EndPolledWait(engine);
    PreciseSleep(engine.m_nWinWaitDelay);
}
