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
        // Any number above 0 is a size; one below 1 gives a dimension of
        // size 0, whose array holds no element.
        const double dSize = size.GetNumber();
        if (!(dSize > 0) || tokens[nPos].m_nType != TOKEN_RIGHT_BRACKET)
            return ReportScriptError(kBadSubscript, -1);
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
        const CScriptString& strName = token.m_vValue.GetString();
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
    const CScriptString& strName = token.m_vValue.GetString();
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
    if (AppendInPlace(tokens, nPos, pTarget))
        return 0;
    CScriptValue value;
    if (EvaluateExpression(tokens, nPos, value) || RequireLineEnd(tokens, nPos))
        return 1;
    *pTarget = std::move(value);
    return 0;
}

// "$s = $s & x" with x a literal or a plain variable: the text is appended
// where it stands instead of being copied out and back, which would make a
// string built up line by line cost time quadratic in its length. The
// result is the one the expression gives; anything else (an array, a
// missing variable, more after x) goes the general way.
bool CMarionet_Script::AppendInPlace(CScriptTokenList& tokens, int& nPos, CScriptValue* pTarget)
{
    const CScriptToken& source = tokens[nPos];
    const CScriptToken& operand = tokens[nPos + 2];
    if (source.m_nType != TOKEN_VARIABLE || tokens[nPos + 1].m_nType != TOKEN_CONCAT ||
        tokens[nPos + 3].m_nType != TOKEN_END)
        return false;
    if (FindVariable(source.m_vValue.GetString(), SCOPE_AUTO) != pTarget)
        return false;
    const CScriptValue* pOperand = nullptr;
    if (operand.m_nType == TOKEN_LITERAL)
        pOperand = &operand.m_vValue;
    else if (operand.m_nType == TOKEN_VARIABLE)
        pOperand = FindVariable(operand.m_vValue.GetString(), SCOPE_AUTO);
    if (!pOperand || pTarget->IsArray() || pTarget->IsReference() || pOperand->IsArray() || pOperand->IsReference())
        return false;
    pTarget->Concatenate(*pOperand);
    nPos += 3;
    return true;
}
