#include "engine/CMarionet_Script.h"

#include "engine/ScriptLineScan.h"
#include "engine/ScriptTokenTests.h"

namespace {

// An If line that opens a block: "If ... Then" with nothing after Then.
bool OpensIfBlock(CScriptTokenList& tokens)
{
    if (!IsKeywordToken(tokens[0], KEYWORD_IF))
        return false;
    int nLast = 0;
    while (tokens[nLast + 1].m_nType != TOKEN_END)
        ++nLast;
    return nLast > 0 && IsKeywordToken(tokens[nLast], KEYWORD_THEN);
}

void PushBlock(CScriptBlockStack& stack, int nKind, int nStartLine, int nEndLine)
{
    CScriptBlock block;
    block.m_nKind = nKind;
    block.m_nStartLine = nStartLine;
    block.m_nEndLine = nEndLine;
    stack.Push(block);
}

}  // namespace

int CMarionet_Script::ExecuteIf(CScriptTokenList& tokens, int& nPos, int& nLine)
{
    bool bCondition = false;
    if (EvaluateCondition(tokens, nPos, bCondition))
        return 1;
    if (!IsKeywordToken(tokens[nPos], KEYWORD_THEN))
        return ReportScriptError("If statements must have a Then keyword.", tokens[nPos].m_nColumn);
    ++nPos;

    if (tokens[nPos].m_nType != TOKEN_END) {
        if (!bCondition)
            return 0;
        return ExecuteStatementAt(tokens, nPos, nLine);
    }

    const int nIfLine = nLine - 1;
    int nTarget = bCondition ? nLine : 0;
    bool bTaken = bCondition;
    bool bElseSeen = false;
    int nEndLine = 0;
    int nNesting = 0;
    const int nError = ScanLines(nIfLine + 1, [&](CScriptTokenList& scan, int& nScan) {
        if (OpensIfBlock(scan)) {
            ++nNesting;
            return SCAN_NEXT;
        }
        if (scan[0].m_nType != TOKEN_KEYWORD)
            return SCAN_NEXT;
        const int nKeyword = scan[0].m_vValue.GetInteger();
        if (nKeyword == KEYWORD_ENDIF) {
            if (nNesting > 0) {
                --nNesting;
                return SCAN_NEXT;
            }
            nEndLine = nScan;
            if (!bTaken && !bElseSeen)
                nTarget = nScan;
            return SCAN_STOP;
        }
        if (nNesting > 0 || (nKeyword != KEYWORD_ELSE && nKeyword != KEYWORD_ELSEIF))
            return SCAN_NEXT;
        if (bElseSeen)
            return ScanError("Too many Else statements for matching If statement.");
        if (nKeyword == KEYWORD_ELSE) {
            if (RequireLineEnd(scan, 1))
                return SCAN_ERROR;
            bElseSeen = true;
            if (!bTaken) {
                bTaken = true;
                nTarget = nScan + 1;
            }
        } else if (!bTaken) {
            int nScanPos = 1;
            bool bElseIf = false;
            if (EvaluateCondition(scan, nScanPos, bElseIf))
                return SCAN_ERROR;
            if (!IsKeywordToken(scan[nScanPos], KEYWORD_THEN))
                return ScanError("If statements must have a Then keyword.", scan[nScanPos].m_nColumn);
            if (bElseIf) {
                bTaken = true;
                nTarget = nScan + 1;
            }
        }
        return SCAN_NEXT;
    });
    if (nError)
        return 1;
    m_nCurrentLine = nIfLine;

    PushBlock(m_IfStack, BLOCK_IF, nIfLine, nEndLine);
    nLine = nTarget;
    return 0;
}

// Reached after the taken branch of an If or a Select: go on at the block's
// closing line.
int CMarionet_Script::JumpToBlockEnd(CScriptBlockStack& stack, int nBase, int& nLine)
{
    if (stack.GetCount() <= nBase)
        return InvalidKeyword();
    nLine = stack.Top().m_nEndLine;
    return 0;
}

int CMarionet_Script::CloseBlock(CScriptTokenList& tokens, int nPos, CScriptBlockStack& stack, int nBase)
{
    if (RequireLineEnd(tokens, nPos))
        return 1;
    if (stack.GetCount() <= nBase)
        return InvalidKeyword();
    stack.Pop();
    return 0;
}

int CMarionet_Script::ExecuteElse(CScriptTokenList&, int&, int& nLine)
{
    return JumpToBlockEnd(m_IfStack, m_nIfBase, nLine);
}

int CMarionet_Script::ExecuteEndIf(CScriptTokenList& tokens, int& nPos)
{
    return CloseBlock(tokens, nPos, m_IfStack, m_nIfBase);
}

int CMarionet_Script::ExecuteSelect(CScriptTokenList& tokens, int& nPos, int& nLine)
{
    if (RequireLineEnd(tokens, nPos))
        return 1;
    const int nSelectLine = nLine - 1;
    int nTarget = 0;
    bool bChosen = false;
    bool bCaseSeen = false;
    int nEndLine = 0;
    int nNesting = 0;
    const int nError = ScanLines(nSelectLine + 1, [&](CScriptTokenList& scan, int& nScan) {
        if (scan[0].m_nType != TOKEN_KEYWORD)
            return SCAN_NEXT;
        const int nKeyword = scan[0].m_vValue.GetInteger();
        if (nKeyword == KEYWORD_SELECT) {
            ++nNesting;
        } else if (nKeyword == KEYWORD_ENDSELECT) {
            if (nNesting == 0) {
                nEndLine = nScan;
                return SCAN_STOP;
            }
            --nNesting;
        } else if (nKeyword == KEYWORD_CASE && nNesting == 0) {
            bCaseSeen = true;
            if (bChosen)
                return SCAN_NEXT;
            int nScanPos = 1;
            bool bMatch = false;
            if (IsKeywordToken(scan[nScanPos], KEYWORD_ELSE)) {
                bMatch = true;
            } else {
                if (EvaluateCondition(scan, nScanPos, bMatch))
                    return SCAN_ERROR;
                if (RequireLineEnd(scan, nScanPos))
                    return SCAN_ERROR;
            }
            if (bMatch) {
                bChosen = true;
                nTarget = nScan + 1;
            }
        }
        return SCAN_NEXT;
    });
    if (nError)
        return 1;
    m_nCurrentLine = nSelectLine;
    if (!nEndLine || !bCaseSeen)
        return ReportScriptError("\"Select\" statement is missing \"EndSelect\" or \"Case\" statement.", -1);

    PushBlock(m_SelectStack, BLOCK_SELECT, nSelectLine, nEndLine);
    nLine = bChosen ? nTarget : nEndLine;
    return 0;
}

int CMarionet_Script::ExecuteCase(int& nLine)
{
    return JumpToBlockEnd(m_SelectStack, m_nSelectBase, nLine);
}

int CMarionet_Script::ExecuteEndSelect(CScriptTokenList& tokens, int& nPos)
{
    return CloseBlock(tokens, nPos, m_SelectStack, m_nSelectBase);
}
