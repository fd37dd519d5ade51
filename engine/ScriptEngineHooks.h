#pragma once

#include <functional>

// What the run loop needs from the layers above the engine: the key sender,
// the WAITLONG timer and the pollers of the window and process waits. The
// built-in families install them; until then each answers "nothing pending".
struct CScriptEngineHooks
{
    // Ends a pending WAITLONG; called when a run reaches its end or is stopped.
    std::function<void()> endWaitLong;
    // One poll of wait states 2 to 6. Returns 1 for those states, both while
    // the wait goes on and on the poll that ends it (which sets the result
    // and m_bReturn, so the service run returns); 0 for any other state, so
    // the run loop goes on to the next line.
    std::function<int()> pollWindowWait;
    // Wait states 9 and 10: 1 while the wait goes on.
    std::function<int()> pollProcessWait;
    // Releases the keys a script holds down ({CTRLDOWN} and the like).
    std::function<void()> releaseHeldKeys;
    // Hands the run-in-background flag to the key sender.
    std::function<void(int)> setSendBackground;
};
