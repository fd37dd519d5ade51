#pragma once

#include "engine/CScriptValue.h"

// For the built-ins that fail with 0: the preset result 1 stays when the
// work was done. Gives the handler's return value (0, the script goes on).
inline int ZeroUnless(bool bDone, CScriptValue& result)
{
    if (!bDone)
        result.SetInteger(0);
    return 0;
}
