#include "engine/CMarionet_Script.h"

#include <climits>
#include <cmath>
#include <vector>

namespace {

const char kBadSubscript[] = "Array variable subscript badly formatted.";
const char kSubscriptRange[] =
    "Array variable has incorrect number of subscripts or subscript dimension range exceeded.";

}  // namespace

CScriptValue* CMarionet_Script::FindVariable(const char* pszName, int nScope)
{
    CScriptValue* pValue = nullptr;
    m_Variables.GetRef(pszName, pValue, nScope);
    return pValue;
}

int CMarionet_Script::EvaluateVariable(CScriptTokenList& tokens, int& nPos, CScriptValue& result, int nCallEnd)
{
    const CScriptToken& token = tokens[nPos];
    CScriptValue* pValue = FindVariable(token.m_vValue.GetString(), SCOPE_AUTO);
    if (!pValue)
        return ReportScriptError("Variable used without being declared.", token.m_nColumn);
    const int nColumn = token.m_nColumn;
    ++nPos;
    if (tokens[nPos].m_nType == TOKEN_LEFT_BRACKET) {
        if (!pValue->IsArray())
            return ReportScriptError("Subscript used with non-Array variable.", tokens[nPos].m_nColumn);
        if (ResolveSubscripts(tokens, nPos, pValue, nColumn, nullptr, nCallEnd))
            return 1;
    }
    result = *pValue;
    return 0;
}

// One "[" expression "]" group; nPos is on the "[". Values that no integer
// can hold are taken as out of range, never converted blindly.
int CMarionet_Script::ReadSubscript(CScriptTokenList& tokens, int& nPos, int& nSubscript, int nCallEnd)
{
    ++nPos;
    const int nFirstColumn = tokens[nPos].m_nColumn;
    CScriptValue subscript;
    if (EvaluateExpression(tokens, nPos, subscript, nCallEnd))
        return 1;
    const double dValue = subscript.GetNumber();
    if (std::isnan(dValue) || dValue < 0)
        return ReportScriptError(kBadSubscript, nFirstColumn);
    if (tokens[nPos].m_nType != TOKEN_RIGHT_BRACKET)
        return ReportScriptError(kBadSubscript, tokens[nPos - 1].m_nColumn);
    ++nPos;
    nSubscript = dValue >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(dValue);
    return 0;
}

int CMarionet_Script::ResolveSubscripts(CScriptTokenList& tokens, int& nPos, CScriptValue*& pValue, int nVarColumn,
                                        std::shared_ptr<CScriptValue>* pKeepAlive, int nCallEnd)
{
    // Subscripts are collected first: one of them may read the same array.
    std::vector<int> subscripts;
    while (tokens[nPos].m_nType == TOKEN_LEFT_BRACKET) {
        int nSubscript = 0;
        if (ReadSubscript(tokens, nPos, nSubscript, nCallEnd))
            return 1;
        if (static_cast<int>(subscripts.size()) >= CScriptValue::kMaxDimensions)
            return ReportScriptError(kSubscriptRange, nVarColumn);
        subscripts.push_back(nSubscript);
    }
    pValue->ClearSubscripts();
    for (int nSubscript : subscripts)
        pValue->PushSubscript(nSubscript);
    if (pKeepAlive) {
        // The caller evaluates more before it writes: the element must outlive
        // a rebuild of its array meanwhile.
        *pKeepAlive = pValue->SharedElementAtPending();
        pValue = pKeepAlive->get();
    } else {
        pValue = pValue->ElementAtPending();
    }
    if (!pValue)
        return ReportScriptError(kSubscriptRange, nVarColumn);
    return 0;
}
