#pragma once

#include "engine/CScriptValue.h"
#include "framework/CString.h"

// One open If, Select, While, Do, For, label or function-call block of the
// statement handlers. Copies are deep (the values included).
struct CScriptBlock
{
    int m_nKind = 0;
    int m_aData[3] = {};
    CString m_strName;
    int m_nStartLine = 0;
    int m_nEndLine = 0;
    CScriptValue m_vEnd;
    CScriptValue m_vStep;
    // Positions and depths of the other stacks saved by the statement handlers.
    int m_aSaved[7] = {};
};
