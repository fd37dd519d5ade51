#include "engine/CScriptTokenList.h"

void CScriptTokenList::Append(const CScriptToken& token)
{
    m_aTokens.push_back(token);
}

CScriptToken& CScriptTokenList::AppendNew(int type, int column)
{
    m_aTokens.emplace_back();
    CScriptToken& token = m_aTokens.back();
    token.m_nType = type;
    token.m_nColumn = column;
    return token;
}

CScriptToken& CScriptTokenList::GetAt(int index)
{
    if (index >= 0 && index < GetCount())
        return m_aTokens[static_cast<std::size_t>(index)];
    m_Spare.m_nType = TOKEN_END;
    m_Spare.m_vValue.Reset();
    m_Spare.m_nColumn = m_aTokens.empty() ? 0 : m_aTokens.back().m_nColumn;
    return m_Spare;
}

void CScriptTokenList::FreeAll()
{
    std::vector<CScriptToken>().swap(m_aTokens);
}
