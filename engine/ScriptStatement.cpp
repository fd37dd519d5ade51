#include "engine/CMarionet_Script.h"

#include "engine/CMarionet_ScriptFile.h"
#include "engine/ScriptLineScan.h"
#include "engine/ScriptTokenTests.h"

const char* CMarionet_Script::LineText(int nLine)
{
    return m_ScriptFile.GetLine(nLine);
}

int CMarionet_Script::ExecuteStatement(CScriptTokenList& tokens, int& nLine)
{
    return ExecuteStatementAt(tokens, 0, nLine);
}

int CMarionet_Script::ExecuteStatementAt(CScriptTokenList& tokens, int nPos, int& nLine)
{
    const CScriptToken& first = tokens[nPos];
    switch (first.m_nType) {
    case TOKEN_KEYWORD:
        return ExecuteKeyword(tokens, nPos, nLine);
    case TOKEN_BUILTIN: {
        CScriptValue discarded;
        if (EvaluateBuiltinCall(tokens, nPos, discarded))
            return 1;
        return RequireLineEnd(tokens, nPos);
    }
    case TOKEN_VARIABLE:
        return ExecuteAssignment(tokens, nPos);
    case TOKEN_USER_FUNCTION: {
        CScriptValue discarded;
        if (CallUserFunction(tokens, nPos, discarded))
            return 1;
        return RequireLineEnd(tokens, nPos);
    }
    case TOKEN_END:
        return 0;
    default:
        return ReportScriptError("Unable to parse line.", first.m_nColumn);
    }
}

int CMarionet_Script::RequireLineEnd(CScriptTokenList& tokens, int nPos)
{
    if (tokens[nPos].m_nType == TOKEN_END)
        return 0;
    return ReportScriptError("Illegal text at the end of statement (one statement per line).", tokens[nPos].m_nColumn);
}

int CMarionet_Script::InvalidKeyword()
{
    return ReportScriptError("Invalid keyword at the start of this line.", -1);
}

int CMarionet_Script::ExecuteKeyword(CScriptTokenList& tokens, int& nPos, int& nLine)
{
    const int nKeyword = tokens[nPos].m_vValue.GetInteger();
    ++nPos;
    switch (nKeyword) {
    case KEYWORD_IF:
        return ExecuteIf(tokens, nPos, nLine);
    case KEYWORD_ELSE:
    case KEYWORD_ELSEIF:
        return ExecuteElse(tokens, nPos, nLine);
    case KEYWORD_ENDIF:
        return ExecuteEndIf(tokens, nPos);
    case KEYWORD_WHILE:
        return ExecuteWhile(tokens, nPos, nLine);
    case KEYWORD_WEND:
        return ExecuteWEnd(tokens, nPos, nLine);
    case KEYWORD_DO:
        return ExecuteDo(tokens, nPos, nLine);
    case KEYWORD_UNTIL:
        return ExecuteUntil(tokens, nPos, nLine);
    case KEYWORD_FOR:
        return ExecuteFor(tokens, nPos, nLine);
    case KEYWORD_NEXT:
        return ExecuteNext(tokens, nPos, nLine);
    case KEYWORD_EXITLOOP:
        return ExecuteExitLoop(tokens, nPos, nLine);
    case KEYWORD_CONTINUELOOP:
        return ExecuteContinueLoop(tokens, nPos, nLine);
    case KEYWORD_SELECT:
        return ExecuteSelect(tokens, nPos, nLine);
    case KEYWORD_CASE:
        return ExecuteCase(nLine);
    case KEYWORD_ENDSELECT:
        return ExecuteEndSelect(tokens, nPos);
    case KEYWORD_DIM:
    case KEYWORD_REDIM:
    case KEYWORD_LOCAL:
    case KEYWORD_GLOBAL:
        return ExecuteDeclaration(tokens, nPos, nKeyword);
    case KEYWORD_FUNC:
        return ExecuteFuncSkip(tokens, nLine);
    case KEYWORD_ENDFUNC:
        m_bReturn = 1;
        return 0;
    case KEYWORD_RETURN:
        return ExecuteReturn(tokens, nPos);
    case KEYWORD_EXIT:
        return ExecuteExit(tokens, nPos);
    case KEYWORD_TAG:
        return 0;
    case KEYWORD_GOTO:
        return ExecuteGoto(tokens, nPos - 1, nLine);
    default:
        return InvalidKeyword();
    }
}

CMarionet_Script::EScanStep CMarionet_Script::ScanError(const char* pszMessage, int nColumn)
{
    ReportScriptError(pszMessage, nColumn);
    return SCAN_ERROR;
}

// The line of the keyword that closes the block opened on the line before
// nFromLine: 0 when the script ends first, -1 after a reported lexer error
// (which names the scanned line).
int CMarionet_Script::FindPartnerLine(int nFromLine, int nOpen, int nClose)
{
    int nPartner = 0;
    SyncLineTokens();
    if (m_LineTokens.FindPartner(nFromLine - 1, nOpen, nPartner))
        return nPartner;
    const int nCurrentLine = m_nCurrentLine;
    int nNesting = 0;
    const int nError = ScanLines(nFromLine, [&](CScriptTokenList& tokens, int& nLine) {
        if (IsKeywordToken(tokens[0], nOpen)) {
            ++nNesting;
        } else if (IsKeywordToken(tokens[0], nClose)) {
            if (nNesting == 0) {
                nPartner = nLine;
                return SCAN_STOP;
            }
            --nNesting;
        }
        return SCAN_NEXT;
    });
    if (nError)
        return -1;
    m_nCurrentLine = nCurrentLine;
    m_LineTokens.KeepPartner(nFromLine - 1, nOpen, nPartner);
    return nPartner;
}
