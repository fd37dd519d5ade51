#pragma once

#include "engine/CMarionet_Script.h"

// Wait (blocks), WaitLong (a one-shot multimedia timer while the run loop keeps
// pumping) and Delay (a timed wait serviced by the window-wait poller).
void RegisterWaitBuiltins(CMarionet_Script& engine);

// Ends a pending WaitLong: kills its timer and ends its timer period. Only the
// first of the timer's callback and the run loop does anything.
void EndWaitLong(CMarionet_Script& engine);
