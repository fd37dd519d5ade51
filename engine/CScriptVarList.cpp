#include "engine/CScriptVarList.h"

#include <cstring>

CScriptVarList::Variable* CScriptVarList::Find(const char* name, int length)
{
    for (Variable& variable : m_aVariables) {
        if (variable.m_sName.GetLength() == length &&
            std::memcmp(variable.m_sName.GetText(), name, static_cast<std::size_t>(length)) == 0)
            return &variable;
    }
    return nullptr;
}

void CScriptVarList::AppendOwned(const char* name, int length, const CScriptValue& value)
{
    Variable variable;
    variable.m_sName.Assign(name, length);
    variable.m_pOwner = std::make_shared<CScriptValue>(value);
    variable.m_pValue = variable.m_pOwner.get();
    m_aVariables.push_back(std::move(variable));
}

void CScriptVarList::BindByRef(const char* name, int length, CScriptValue* target)
{
    Variable* variable = Find(name, length);
    if (variable == nullptr) {
        m_aVariables.emplace_back();
        variable = &m_aVariables.back();
        variable->m_sName.Assign(name, length);
    }
    variable->m_bByRef = true;
    variable->m_pOwner = target->weak_from_this().lock();
    variable->m_pValue = target;
}
