#pragma once

#include "engine/CMarionet_Script.h"
#include "engine/CScriptValue.h"

#include <string>

// For the built-ins that fail with 0: the preset result 1 stays when the
// work was done. Gives the handler's return value (0, the script goes on).
inline int ZeroUnless(bool bDone, CScriptValue& result)
{
    if (!bDone)
        result.SetInteger(0);
    return 0;
}

// For the built-ins that give a text and fail with @error 1: the text is the
// result either way (on failure, what the query left in it).
inline int TextUnlessError(CMarionet_Script& engine, bool bDone, const std::string& text, CScriptValue& result)
{
    if (!bDone)
        engine.SetErrorCode(1);
    result.SetString(text.c_str());
    return 0;
}
