#include "engine/CMarionet_Script.h"

#include "engine/ScriptTokenTests.h"

#include "engine/CMarionet_ScriptFile.h"

namespace {

const char kBadlyFormatted[] = "Badly formatted Func statement.";

}  // namespace

int CMarionet_Script::RegisterUserFunctions()
{
    CScriptTokenList tokens;
    for (int nLine = 1;; ++nLine) {
        const char* pszText = LineText(nLine);
        if (!pszText)
            return 0;
        m_nCurrentLine = nLine;
        if (TokeniseLine(pszText, tokens))
            return 1;
        if (!IsKeywordToken(tokens[0], KEYWORD_FUNC))
            continue;
        if (tokens[1].m_nType != TOKEN_USER_FUNCTION)
            return ReportScriptError("Badly formatted \"Func\" statement.", -1);
        if (m_UserFunctions.Find(tokens[1].m_vValue.GetText()))
            return ReportScriptError("Duplicate function name.", -1);
        if (tokens[2].m_nType != TOKEN_LEFT_PAREN)
            return ReportScriptError(kBadlyFormatted, -1);
        int nParamCount = 0;
        if (ParseFuncParameters(tokens, 3, nParamCount))
            return 1;
        int nEndLine = 0;
        if (FindEndFunc(nLine, nEndLine))
            return 1;
        CUserFunc func;
        func.m_sName = tokens[1].m_vValue.GetString();
        func.m_nFuncLine = nLine;
        func.m_nParamCount = nParamCount;
        func.m_nEndFuncLine = nEndLine;
        m_UserFunctions.Append(func);
        nLine = nEndLine;
    }
}

int CMarionet_Script::ParseFuncParameters(CScriptTokenList& tokens, int nPos, int& nCount)
{
    nCount = 0;
    if (tokens[nPos].m_nType != TOKEN_RIGHT_PAREN) {
        for (;;) {
            if (IsKeywordToken(tokens[nPos], KEYWORD_BYREF))
                ++nPos;
            if (tokens[nPos].m_nType != TOKEN_VARIABLE)
                return ReportScriptError(kBadlyFormatted, -1);
            ++nCount;
            ++nPos;
            if (tokens[nPos].m_nType == TOKEN_RIGHT_PAREN)
                break;
            if (tokens[nPos].m_nType == TOKEN_END)
                return ReportScriptError(kBadlyFormatted, -1);
            if (tokens[nPos].m_nType != TOKEN_COMMA)
                return ReportScriptError(kBadlyFormatted, tokens[nPos].m_nColumn);
            ++nPos;
        }
    }
    ++nPos;
    if (tokens[nPos].m_nType != TOKEN_END)
        return ReportScriptError("Illegal text at the end of statement (one statement per line).", -1);
    return 0;
}

// The EndFunc line of the function on nFuncLine; a function without one
// reaches past the last line, so skipping it ends the script.
int CMarionet_Script::FindEndFunc(int nFuncLine, int& nEndLine)
{
    CScriptTokenList tokens;
    const int nCurrentLine = m_nCurrentLine;
    for (int nLine = nFuncLine + 1;; ++nLine) {
        const char* pszText = LineText(nLine);
        if (!pszText) {
            nEndLine = PastLastLine();
            break;
        }
        m_nCurrentLine = nLine;
        if (TokeniseLine(pszText, tokens))
            return 1;
        if (IsKeywordToken(tokens[0], KEYWORD_ENDFUNC)) {
            nEndLine = nLine;
            break;
        }
        if (IsKeywordToken(tokens[0], KEYWORD_FUNC))
            return ReportScriptError("Func statement has no matching EndFunc.", -1);
    }
    m_nCurrentLine = nCurrentLine;
    return 0;
}

int CMarionet_Script::CheckUserFunctionCalls()
{
    CScriptTokenList tokens;
    for (int nLine = 1;; ++nLine) {
        const char* pszText = LineText(nLine);
        if (!pszText)
            return 0;
        m_nCurrentLine = nLine;
        if (TokeniseLine(pszText, tokens))
            return 1;
        for (int nPos = 0; tokens[nPos].m_nType != TOKEN_END; ++nPos) {
            const CScriptToken& token = tokens[nPos];
            if (token.m_nType == TOKEN_USER_FUNCTION && !m_UserFunctions.Find(token.m_vValue.GetText()))
                return ReportScriptError("Unknown function name.", token.m_nColumn);
        }
    }
}
