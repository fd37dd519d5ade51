#include "engine/CMarionet_Script.h"

#include <cstring>

// Labels are registered once per loaded script: registering them again at
// every run would let a polling robot's table grow for hours. The newest
// registration of a name wins, so a name used by two TAG lines leads to the
// later one.
void CMarionet_Script::EnsureLabelsRegistered()
{
    if (m_bLabelsRegistered)
        return;
    m_Labels.clear();
    for (int nLine = 1;; ++nLine) {
        const char* pszText = LineText(nLine);
        if (!pszText)
            break;
        if (std::strncmp(pszText, "TAG $", 5) == 0)
            m_Labels[pszText + 4] = nLine;
    }
    m_bLabelsRegistered = true;
}

void CMarionet_Script::ForgetLabels()
{
    m_Labels.clear();
    m_bLabelsRegistered = false;
}

// Pops the blocks that the current run opened and that do not enclose the
// target line, so a jump out of a loop or an If leaves nothing behind.
void CMarionet_Script::PopBlocksOutside(CScriptBlockStack& stack, int nBase, int nTarget)
{
    while (stack.GetCount() > nBase) {
        const CScriptBlock& block = stack.Top();
        const int nEndLine = block.m_nEndLine > 0 ? block.m_nEndLine : PastLastLine();
        if (block.m_nStartLine < nTarget && nTarget <= nEndLine)
            return;
        stack.Pop();
    }
}

int CMarionet_Script::ExecuteGoto(CScriptTokenList& tokens, int nGotoPos, int& nLine)
{
    // The name is the text after "GOTO " wherever the keyword stands, also
    // after the Then of a single-line If.
    const char* pszText = LineText(m_nCurrentLine);
    if (!pszText)
        return 0;
    const size_t nStart = static_cast<size_t>(tokens[nGotoPos].m_nColumn) + 5;
    if (nStart > std::strlen(pszText))
        return 0;
    const auto label = m_Labels.find(pszText + nStart);
    if (label == m_Labels.end())
        return 0;
    const int nTarget = label->second + 1;
    PopBlocksOutside(m_IfStack, m_nIfBase, nTarget);
    PopBlocksOutside(m_LoopStack, m_nLoopBase, nTarget);
    PopBlocksOutside(m_SelectStack, m_nSelectBase, nTarget);
    nLine = nTarget;
    return 0;
}
