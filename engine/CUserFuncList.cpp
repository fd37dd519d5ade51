#include "engine/CUserFuncList.h"

const CUserFunc* CUserFuncList::Find(const char* name) const
{
    for (const CUserFunc& function : m_aFunctions) {
        if (function.m_sName.CompareNoCase(name) == 0)
            return &function;
    }
    return nullptr;
}

const CUserFunc* CUserFuncList::GetAt(int index) const
{
    if (index < 0 || index >= GetCount())
        return nullptr;
    return &m_aFunctions[static_cast<std::size_t>(index)];
}
