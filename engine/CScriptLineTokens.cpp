#include "engine/CScriptLineTokens.h"

#include <utility>

void CScriptLineTokens::Sync(unsigned uGeneration, int nLineCount)
{
    if (uGeneration == m_uGeneration && static_cast<int>(m_aLines.size()) == nLineCount)
        return;
    m_uGeneration = uGeneration;
    if (!m_aLines.empty())
        m_aDropped.push_back(std::move(m_aLines));
    m_aLines = std::vector<Line>(static_cast<std::size_t>(nLineCount > 0 ? nLineCount : 0));
}

CScriptLineTokens::Line* CScriptLineTokens::LineAt(int nLine)
{
    if (nLine < 1 || nLine > static_cast<int>(m_aLines.size()))
        return nullptr;
    return &m_aLines[static_cast<std::size_t>(nLine) - 1];
}

CScriptTokenList* CScriptLineTokens::Find(int nLine)
{
    Line* pLine = LineAt(nLine);
    return pLine && pLine->bKept ? &pLine->tokens : nullptr;
}

CScriptTokenList* CScriptLineTokens::Keep(int nLine, CScriptTokenList& tokens)
{
    Line* pLine = LineAt(nLine);
    if (!pLine)
        return &tokens;
    pLine->tokens = std::move(tokens);
    tokens.Clear();
    pLine->bKept = true;
    return &pLine->tokens;
}

bool CScriptLineTokens::FindPartner(int nLine, int nOpen, int& nPartner)
{
    const Line* pLine = LineAt(nLine);
    if (!pLine || pLine->nPartnerOpen != nOpen)
        return false;
    nPartner = pLine->nPartner;
    return true;
}

void CScriptLineTokens::KeepPartner(int nLine, int nOpen, int nPartner)
{
    if (Line* pLine = LineAt(nLine)) {
        pLine->nPartnerOpen = nOpen;
        pLine->nPartner = nPartner;
    }
}
