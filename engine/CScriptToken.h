#pragma once

#include "engine/CScriptValue.h"
#include "engine/ScriptTokenTypes.h"

// One token of a script line: its type (ScriptTokenType), the number, string or
// name it carries, and the column at which it starts in the line.
struct CScriptToken
{
    int m_nType = TOKEN_END;
    CScriptValue m_vValue;
    int m_nColumn = 0;
};
