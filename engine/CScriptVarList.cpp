#include "engine/CScriptVarList.h"

#include <cstring>

CScriptVarList::Variable* CScriptVarList::Find(const char* name, int length)
{
    for (int i = 0; i < m_nCount; ++i) {
        Variable& variable = m_aVariables[static_cast<std::size_t>(i)];
        if (variable.m_sName.GetLength() == length &&
            std::memcmp(variable.m_sName.GetText(), name, static_cast<std::size_t>(length)) == 0)
            return &variable;
    }
    return nullptr;
}

CScriptVarList::Variable& CScriptVarList::AppendSlot(const char* name, int length)
{
    if (m_nCount == static_cast<int>(m_aVariables.size()))
        m_aVariables.emplace_back();
    Variable& variable = m_aVariables[static_cast<std::size_t>(m_nCount++)];
    variable.m_sName.Assign(name, length);
    return variable;
}

void CScriptVarList::AppendOwned(const char* name, int length, const CScriptValue& value)
{
    Variable& variable = AppendSlot(name, length);
    variable.m_bByRef = false;
    if (variable.m_pOwner)
        *variable.m_pOwner = value;
    else
        variable.m_pOwner = std::make_shared<CScriptValue>(value);
    variable.m_pValue = variable.m_pOwner.get();
}

void CScriptVarList::BindByRef(const char* name, int length, CScriptValue* target)
{
    Variable* variable = Find(name, length);
    if (variable == nullptr)
        variable = &AppendSlot(name, length);
    variable->m_bByRef = true;
    variable->m_pOwner = target->weak_from_this().lock();
    variable->m_pValue = target;
}

void CScriptVarList::Clear()
{
    for (int i = 0; i < m_nCount; ++i) {
        Variable& variable = m_aVariables[static_cast<std::size_t>(i)];
        if (!variable.m_bByRef && variable.m_pOwner && variable.m_pOwner.use_count() == 1) {
            *variable.m_pOwner = CScriptValue();
            variable.m_pOwner->ClearSubscripts();
        } else {
            variable.m_pOwner.reset();
        }
        variable.m_bByRef = false;
        variable.m_pValue = nullptr;
    }
    m_nCount = 0;
}
