#pragma once

#include "engine/CMarionet_Script.h"

// WinWait, WinWaitClose, WinWaitActive and WinWaitNotActive, and the poller
// that the run loop calls for them and for Delay (wait states 2 to 6).
void RegisterWindowWaitBuiltins(CMarionet_Script& engine);

// One poll of wait states 2 to 6: 1 for those states (still waiting or just
// ended), 0 for any other state.
int PollWindowWait(CMarionet_Script& engine);
