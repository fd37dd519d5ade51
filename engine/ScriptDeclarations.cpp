#include "engine/CMarionet_Script.h"

#include <vector>

namespace {

const char kBadSubscript[] = "Array variable subscript badly formatted.";

}  // namespace

int CMarionet_Script::DeclareArray(CScriptTokenList& tokens, int& nPos, const CScriptString& strName, int nScope,
                                   bool bKeep)
{
    CScriptValue old;
    if (bKeep)
        old = *FindVariable(strName, nScope);
    FindVariable(strName, nScope)->Reset();

    std::vector<int> sizes;
    while (tokens[nPos].m_nType == TOKEN_LEFT_BRACKET) {
        ++nPos;
        CScriptValue size;
        if (EvaluateExpression(tokens, nPos, size))
            return 1;
        const double dSize = size.GetNumber();
        if (!(dSize >= 1) || tokens[nPos].m_nType != TOKEN_RIGHT_BRACKET)
            return ReportScriptError(kBadSubscript, tokens[nPos].m_nColumn);
        ++nPos;
        if (static_cast<int>(sizes.size()) >= CScriptValue::kMaxDimensions)
            return ReportScriptError("Too many subscripts used for an array - 64 is the maximum.", -1);
        if (dSize > CScriptValue::kMaxElements)
            return ReportScriptError(kAllocateArrayMessage, -1);
        sizes.push_back(static_cast<int>(dSize));
    }

    CScriptValue* pVar = FindVariable(strName, nScope);
    pVar->ClearSubscripts();
    for (int nSize : sizes)
        pVar->PushSubscript(nSize);
    if (!pVar->MakeArray())
        return ReportScriptError(kAllocateArrayMessage, -1);
    if (bKeep && old.IsArray() && old.GetElementCount() > 0)
        pVar->CopyCommonElements(old);
    return 0;
}

int CMarionet_Script::ExecuteDeclaration(CScriptTokenList& tokens, int& nPos, int nKeyword)
{
    const int nScope = nKeyword == KEYWORD_LOCAL ? SCOPE_LOCAL : nKeyword == KEYWORD_GLOBAL ? SCOPE_GLOBAL : SCOPE_AUTO;
    for (;;) {
        const CScriptToken& token = tokens[nPos];
        if (token.m_nType != TOKEN_VARIABLE)
            return ReportScriptError("No variable given for \"Dim\", \"Local\" or \"Global\" statement.",
                                     tokens[nPos - 1].m_nColumn);
        const CScriptString strName = token.m_vValue.GetString();
        if (!FindVariable(strName, nScope)) {
            CScriptValue empty;
            empty.SetString("");
            m_Variables.Assign(strName, empty, nScope);
        }
        ++nPos;
        if (tokens[nPos].m_nType == TOKEN_LEFT_BRACKET &&
            DeclareArray(tokens, nPos, strName, nScope, nKeyword == KEYWORD_REDIM))
            return 1;
        if (tokens[nPos].m_nType == TOKEN_EQUAL) {
            ++nPos;
            CScriptValue value;
            if (EvaluateExpression(tokens, nPos, value))
                return 1;
            *FindVariable(strName, nScope) = value;
        }
        if (tokens[nPos].m_nType == TOKEN_END)
            return 0;
        if (tokens[nPos].m_nType != TOKEN_COMMA)
            return ReportScriptError(kBadSubscript, tokens[nPos].m_nColumn);
        ++nPos;
    }
}

int CMarionet_Script::ExecuteAssignment(CScriptTokenList& tokens, int& nPos)
{
    const CScriptToken& token = tokens[nPos];
    const CScriptString strName = token.m_vValue.GetString();
    const int nColumn = token.m_nColumn;
    ++nPos;
    CScriptValue* pTarget = FindVariable(strName, SCOPE_AUTO);
    if (!pTarget) {
        if (m_bMustDeclareVars)
            return ReportScriptError("Variable used without being declared.", nColumn);
        if (tokens[nPos].m_nType == TOKEN_LEFT_BRACKET)
            return ReportScriptError("You must DIM an array before you can assign to it.", nColumn);
        CScriptValue empty;
        empty.SetString("");
        m_Variables.Assign(strName, empty, SCOPE_AUTO);
        pTarget = FindVariable(strName, SCOPE_AUTO);
    }
    std::shared_ptr<CScriptValue> keepElement;
    if (pTarget->IsArray() && tokens[nPos].m_nType == TOKEN_LEFT_BRACKET &&
        ResolveSubscripts(tokens, nPos, pTarget, nColumn, &keepElement))
        return 1;
    if (tokens[nPos].m_nType != TOKEN_EQUAL)
        return ReportScriptError("Expected a = operator in assignment statement.", tokens[nPos].m_nColumn);
    ++nPos;
    CScriptValue value;
    if (EvaluateExpression(tokens, nPos, value) || RequireLineEnd(tokens, nPos))
        return 1;
    *pTarget = value;
    return 0;
}
