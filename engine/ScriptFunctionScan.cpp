#include "engine/CMarionet_Script.h"

#include "engine/ScriptLineScan.h"
#include "engine/ScriptTokenTests.h"

#include "engine/CMarionet_ScriptFile.h"

namespace {

const char kBadlyFormatted[] = "Badly formatted Func statement.";

}  // namespace

int CMarionet_Script::RegisterUserFunctions()
{
    return ScanLines(1, [this](CScriptTokenList& tokens, int& nLine) {
        if (!IsKeywordToken(tokens[0], KEYWORD_FUNC))
            return SCAN_NEXT;
        if (tokens[1].m_nType != TOKEN_USER_FUNCTION)
            return ScanError("Badly formatted \"Func\" statement.");
        if (m_UserFunctions.Find(tokens[1].m_vValue.GetText()))
            return ScanError("Duplicate function name.");
        if (tokens[2].m_nType != TOKEN_LEFT_PAREN)
            return ScanError(kBadlyFormatted);
        int nParamCount = 0;
        if (ParseFuncParameters(tokens, 3, nParamCount))
            return SCAN_ERROR;
        int nEndLine = 0;
        if (FindEndFunc(nLine, nEndLine))
            return SCAN_ERROR;
        CUserFunc func;
        func.m_sName = tokens[1].m_vValue.GetString();
        func.m_nFuncLine = nLine;
        func.m_nParamCount = nParamCount;
        func.m_nEndFuncLine = nEndLine;
        m_UserFunctions.Append(func);
        nLine = nEndLine;
        return SCAN_NEXT;
    });
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
    const int nCurrentLine = m_nCurrentLine;
    nEndLine = PastLastLine();
    const int nError = ScanLines(nFuncLine + 1, [&](CScriptTokenList& tokens, int& nLine) {
        if (IsKeywordToken(tokens[0], KEYWORD_ENDFUNC)) {
            nEndLine = nLine;
            return SCAN_STOP;
        }
        if (IsKeywordToken(tokens[0], KEYWORD_FUNC))
            return ScanError("Func statement has no matching EndFunc.");
        return SCAN_NEXT;
    });
    if (nError)
        return 1;
    m_nCurrentLine = nCurrentLine;
    return 0;
}

int CMarionet_Script::CheckUserFunctionCalls()
{
    return ScanLines(1, [this](CScriptTokenList& tokens, int&) {
        for (int nPos = 0; tokens[nPos].m_nType != TOKEN_END; ++nPos) {
            const CScriptToken& token = tokens[nPos];
            if (token.m_nType == TOKEN_USER_FUNCTION && !m_UserFunctions.Find(token.m_vValue.GetText()))
                return ScanError("Unknown function name.", token.m_nColumn);
        }
        return SCAN_NEXT;
    });
}
