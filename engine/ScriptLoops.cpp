#include "engine/CMarionet_Script.h"

#include "engine/ScriptTokenTests.h"

#include "engine/CMarionet_ScriptFile.h"

namespace {

const char kForBadlyFormatted[] =
    "\"For\" statement is badly formatted.\n\nShould be:\n\nFor $varname = nn To nn [Step nn]";
const char kLoopOnly[] = "\"ExitLoop/ContinueLoop\" statements only valid from inside a For/Do/While loop.";

}  // namespace

int CMarionet_Script::PastLastLine()
{
    return m_ScriptFile.GetLineCount() + 1;
}

void CMarionet_Script::PushLoopBlock(int nKind, int nStartLine, int nEndLine, const CScriptValue* pEnd,
                                     const CScriptValue* pStep)
{
    CScriptBlock block;
    block.m_nKind = nKind;
    block.m_nStartLine = nStartLine;
    // A loop without its closing line reaches to the end of the script.
    block.m_nEndLine = nEndLine > 0 ? nEndLine : PastLastLine();
    if (pEnd)
        block.m_vEnd = *pEnd;
    if (pStep)
        block.m_vStep = *pStep;
    block.m_aSaved[0] = m_IfStack.GetCount();
    block.m_aSaved[1] = m_SelectStack.GetCount();
    block.m_aSaved[2] = m_nDepth;
    m_LoopStack.Push(block);
}

void CMarionet_Script::EnterOrSkipLoop(bool bEnter, int nKind, int nStartLine, int nEndLine, const CScriptValue* pEnd,
                                       const CScriptValue* pStep, int& nLine)
{
    if (bEnter) {
        PushLoopBlock(nKind, nStartLine, nEndLine, pEnd, pStep);
        nLine = nStartLine + 1;
    } else {
        nLine = nEndLine > 0 ? nEndLine + 1 : PastLastLine();
    }
}

bool CMarionet_Script::TopLoopBelongsToThisRun()
{
    return m_LoopStack.GetCount() > m_nLoopBase && m_LoopStack.Top().m_aSaved[2] == m_nDepth;
}

bool CMarionet_Script::TopLoopIs(int nKind)
{
    return TopLoopBelongsToThisRun() && m_LoopStack.Top().m_nKind == nKind;
}

void CMarionet_Script::PopStacksToLoopDepths()
{
    const CScriptBlock& block = m_LoopStack.Top();
    m_IfStack.PopTo(block.m_aSaved[0]);
    m_SelectStack.PopTo(block.m_aSaved[1]);
}

int CMarionet_Script::ExecuteWhile(CScriptTokenList& tokens, int& nPos, int& nLine)
{
    const int nWhileLine = nLine - 1;
    bool bCondition = false;
    if (EvaluateCondition(tokens, nPos, bCondition) || RequireLineEnd(tokens, nPos))
        return 1;
    const int nWEndLine = FindPartnerLine(nWhileLine + 1, KEYWORD_WHILE, KEYWORD_WEND);
    if (nWEndLine < 0)
        return 1;
    EnterOrSkipLoop(bCondition, BLOCK_WHILE, nWhileLine, nWEndLine, nullptr, nullptr, nLine);
    return 0;
}

int CMarionet_Script::ExecuteWEnd(CScriptTokenList& tokens, int& nPos, int& nLine)
{
    if (RequireLineEnd(tokens, nPos))
        return 1;
    if (!TopLoopIs(BLOCK_WHILE))
        return InvalidKeyword();
    nLine = m_LoopStack.Top().m_nStartLine;
    m_LoopStack.Pop();
    return 0;
}

int CMarionet_Script::ExecuteDo(CScriptTokenList& tokens, int& nPos, int& nLine)
{
    if (RequireLineEnd(tokens, nPos))
        return 1;
    const int nDoLine = nLine - 1;
    const int nUntilLine = FindPartnerLine(nDoLine + 1, KEYWORD_DO, KEYWORD_UNTIL);
    if (nUntilLine < 0)
        return 1;
    PushLoopBlock(BLOCK_DO, nDoLine, nUntilLine, nullptr, nullptr);
    nLine = nDoLine + 1;
    return 0;
}

int CMarionet_Script::ExecuteUntil(CScriptTokenList& tokens, int& nPos, int& nLine)
{
    if (!TopLoopIs(BLOCK_DO))
        return InvalidKeyword();
    bool bCondition = false;
    if (EvaluateCondition(tokens, nPos, bCondition) || RequireLineEnd(tokens, nPos))
        return 1;
    if (bCondition)
        m_LoopStack.Pop();
    else
        nLine = m_LoopStack.Top().m_nStartLine + 1;
    return 0;
}

bool CMarionet_Script::ForLoopContinues(const CScriptValue& var, const CScriptValue& end, const CScriptValue& step)
{
    CScriptValue zero;
    zero.SetInteger(0);
    if (!step.Less(zero))
        return var.LessOrEqual(end);
    return var.GreaterOrEqual(end);
}

int CMarionet_Script::ExecuteFor(CScriptTokenList& tokens, int& nPos, int& nLine)
{
    const int nForLine = nLine - 1;
    const CScriptToken& varToken = tokens[nPos];
    if (varToken.m_nType != TOKEN_VARIABLE)
        return ReportScriptError(kForBadlyFormatted, varToken.m_nColumn);
    const CScriptString& strName = varToken.m_vValue.GetString();
    if (!FindVariable(strName, SCOPE_AUTO)) {
        if (m_bMustDeclareVars)
            return ReportScriptError("Variable used without being declared.", varToken.m_nColumn);
        CScriptValue zero;
        zero.SetInteger(0);
        m_Variables.Assign(strName, zero, SCOPE_AUTO);
    }
    ++nPos;
    if (tokens[nPos].m_nType != TOKEN_EQUAL)
        return ReportScriptError(kForBadlyFormatted, tokens[nPos].m_nColumn);
    ++nPos;
    CScriptValue start;
    if (EvaluateExpression(tokens, nPos, start))
        return 1;
    // The loop counts in the variable found above, also when that is a
    // global seen from inside a function; the value is written through it.
    if (CScriptValue* pCounter = FindVariable(strName, SCOPE_AUTO))
        *pCounter = start;
    else
        m_Variables.Assign(strName, start, SCOPE_AUTO);
    if (!IsKeywordToken(tokens[nPos], KEYWORD_TO))
        return ReportScriptError(kForBadlyFormatted, tokens[nPos].m_nColumn);
    ++nPos;
    CScriptValue end;
    if (EvaluateExpression(tokens, nPos, end))
        return 1;
    CScriptValue step;
    step.SetInteger(1);
    if (IsKeywordToken(tokens[nPos], KEYWORD_STEP)) {
        ++nPos;
        if (EvaluateExpression(tokens, nPos, step))
            return 1;
    }
    if (RequireLineEnd(tokens, nPos))
        return 1;

    const int nNextLine = FindPartnerLine(nForLine + 1, KEYWORD_FOR, KEYWORD_NEXT);
    if (nNextLine < 0)
        return 1;
    CScriptValue* pVar = FindVariable(strName, SCOPE_AUTO);
    EnterOrSkipLoop(pVar && ForLoopContinues(*pVar, end, step), BLOCK_FOR, nForLine, nNextLine, &end, &step, nLine);
    return 0;
}

int CMarionet_Script::ExecuteNext(CScriptTokenList& tokens, int& nPos, int& nLine)
{
    if (RequireLineEnd(tokens, nPos))
        return 1;
    if (!TopLoopIs(BLOCK_FOR))
        return InvalidKeyword();
    // The block stays on the stack while the loop goes on; it is dropped
    // when the loop ends or its variable is gone.
    CScriptBlock& block = m_LoopStack.Top();
    const int nForLine = block.m_nStartLine;
    CScriptTokenList scratch;
    const char* pszForLine = LineText(nForLine);
    CScriptTokenList* pForTokens = pszForLine ? LineTokens(nForLine, pszForLine, scratch) : nullptr;
    if (!pForTokens) {
        m_LoopStack.Pop();
        return 1;
    }
    const CScriptToken& varToken = (*pForTokens)[1];
    CScriptValue* pVar = FindVariable(varToken.m_vValue.GetString(), SCOPE_AUTO);
    if (!pVar) {
        m_LoopStack.Pop();
        return ReportScriptError("Variable used without being declared.", varToken.m_nColumn);
    }
    pVar->Add(block.m_vStep);
    if (ForLoopContinues(*pVar, block.m_vEnd, block.m_vStep))
        nLine = nForLine + 1;
    else
        m_LoopStack.Pop();
    return 0;
}

int CMarionet_Script::ExecuteExitLoop(CScriptTokenList& tokens, int& nPos, int& nLine)
{
    int nLevel = 1;
    if (tokens[nPos].m_nType != TOKEN_END) {
        CScriptValue level;
        if (EvaluateExpression(tokens, nPos, level) || RequireLineEnd(tokens, nPos))
            return 1;
        nLevel = level.GetInteger();
    }
    if (nLevel < 0)
        return 0;
    int nLeft = 0;
    while ((nLevel == 0 || nLeft < nLevel) && TopLoopBelongsToThisRun()) {
        nLine = m_LoopStack.Top().m_nEndLine + 1;
        PopStacksToLoopDepths();
        m_LoopStack.Pop();
        ++nLeft;
    }
    if (nLevel > 0 && nLeft < nLevel)
        return ReportScriptError(kLoopOnly, -1);
    return 0;
}

int CMarionet_Script::ExecuteContinueLoop(CScriptTokenList& tokens, int& nPos, int& nLine)
{
    if (!TopLoopBelongsToThisRun())
        return ReportScriptError(kLoopOnly, -1);
    if (RequireLineEnd(tokens, nPos))
        return 1;
    nLine = m_LoopStack.Top().m_nEndLine;
    PopStacksToLoopDepths();
    return 0;
}
