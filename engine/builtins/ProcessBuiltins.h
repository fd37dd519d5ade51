#pragma once

#include "engine/CMarionet_Script.h"

// PROCESSEXISTS, PROCESSCLOSE, PROCESSWAIT, PROCESSWAITCLOSE,
// PROCESSSETPRIORITY and SHUTDOWN, and the poller that the run loop calls for
// the process waits (wait states 9 and 10).
void RegisterProcessBuiltins(CMarionet_Script& engine);

// One poll of wait states 9 and 10: 1 for those states (still waiting or just
// ended), 0 for any other state.
int PollProcessWait(CMarionet_Script& engine);
