#include "engine/CScriptValueList.h"

CScriptValue& CScriptValueList::AppendNew()
{
    m_aValues.emplace_back();
    return m_aValues.back();
}

CScriptValue& CScriptValueList::GetAt(int index)
{
    if (index >= 0 && index < GetCount())
        return m_aValues[static_cast<std::size_t>(index)];
    m_vSpare.Reset();
    return m_vSpare;
}
