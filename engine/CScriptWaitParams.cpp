#include "engine/CScriptWaitParams.h"

#include <mmsystem.h>

namespace {

// timeGetTime wraps after 49.7 days; across the wrap the elapsed time counts
// one millisecond less.
bool TimedOut(int nTimeout, DWORD dwStart)
{
    if (nTimeout == 0)
        return false;
    const DWORD dwNow = timeGetTime();
    const DWORD dwElapsed = dwNow >= dwStart ? dwNow - dwStart : dwNow - dwStart - 1;
    return dwElapsed >= static_cast<DWORD>(nTimeout);
}

}  // namespace

bool CScriptWaitParams::WindowWaitTimedOut() const
{
    return TimedOut(m_nTimeout, m_dwStart);
}

bool CScriptWaitParams::ProcessWaitTimedOut() const
{
    return TimedOut(m_nProcessTimeout, m_dwProcessStart);
}
