#include "engine/CMarionet_Script.h"

#include "engine/ScriptBuiltinNames.h"
#include "engine/ScriptGlobals.h"
#include "engine/ScriptTokenTests.h"

#include <string>
#include <vector>

namespace {

const char kParseCall[] = "Error parsing function call.";
const char kParameterCount[] = "Incorrect number of parameters in function call.";
const char kExpectedVariable[] = "Expected a variable in user function call.";

}  // namespace

// The local frame and the call block of one user-function call, removed
// however the call ends.
class CMarionet_Script::CCallFrame
{
public:
    CCallFrame(CMarionet_Script& engine, int nFuncLine) : m_Engine(engine)
    {
        m_Engine.m_Variables.PushFrame();
        CScriptBlock block;
        block.m_nKind = BLOCK_CALL;
        block.m_nStartLine = nFuncLine;
        m_Engine.m_CallStack.Push(block);
    }
    ~CCallFrame()
    {
        m_Engine.m_CallStack.Pop();
        m_Engine.m_Variables.PopFrame();
    }
    CCallFrame(const CCallFrame&) = delete;
    CCallFrame& operator=(const CCallFrame&) = delete;

private:
    CMarionet_Script& m_Engine;
};

// Checks the "(" at nPos and finds the ")" that closes the call. The
// arguments are then evaluated where they stand: copying them for every
// nested call would cost memory quadratic in the nesting.
int CMarionet_Script::FindCallEnd(CScriptTokenList& tokens, int nPos, int nNameColumn, bool bEndAtLastToken,
                                  int& nClose)
{
    if (tokens[nPos].m_nType != TOKEN_LEFT_PAREN)
        return ReportScriptError(kParseCall, nNameColumn);
    int nNesting = 0;
    for (int i = nPos + 1;; ++i) {
        const int nType = tokens[i].m_nType;
        if (nType == TOKEN_END)
            return ReportScriptError(kParseCall, bEndAtLastToken ? tokens[i - 1].m_nColumn : nNameColumn);
        if (nType == TOKEN_LEFT_PAREN) {
            ++nNesting;
        } else if (nType == TOKEN_RIGHT_PAREN) {
            if (nNesting == 0) {
                nClose = i;
                return 0;
            }
            --nNesting;
        }
    }
}

int CMarionet_Script::EvaluateBuiltinCall(CScriptTokenList& tokens, int& nPos, CScriptValue& result)
{
    const int nIndex = tokens[nPos].m_vValue.GetInteger();
    const int nColumn = tokens[nPos].m_nColumn;
    ++nPos;
    int nClose = 0;
    if (FindCallEnd(tokens, nPos, nColumn, true, nClose))
        return 1;

    CScriptValueList values;
    int nArgPos = nPos + 1;
    if (nArgPos != nClose) {
        for (;;) {
            CScriptValue value;
            if (EvaluateExpression(tokens, nArgPos, value, nClose))
                return 1;
            values.Append(std::move(value));
            if (nArgPos >= nClose)
                break;
            if (tokens[nArgPos].m_nType == TOKEN_COMMA)
                ++nArgPos;
        }
    }
    nPos = nClose + 1;
    const ScriptBuiltinName& entry = g_aScriptBuiltins[nIndex];
    const int nCount = values.GetCount();
    if (nCount < entry.m_nMinArgs || (entry.m_nMaxArgs != kScriptManyArgs && nCount > entry.m_nMaxArgs))
        return ReportScriptError(kParameterCount, nColumn);
    return CallBuiltinFunction(nIndex, values, result);
}

int CMarionet_Script::CallBuiltinFunction(int nIndex, CScriptValueList& args, CScriptValue& result)
{
    result.SetInteger(1);
    m_nErrorCode = 0;
    if (nIndex < 0 || nIndex >= kScriptBuiltinCount)
        return ReportScriptError("Unknown function name.", -1);
    if (!m_aHandlers[nIndex]) {
        // A family not built yet: stop rather than run on without its effect.
        const std::string strMessage =
            std::string("The function \"") + g_aScriptBuiltins[nIndex].m_pName + "\" is not available.";
        return ReportScriptError(strMessage.c_str(), -1);
    }
    return m_aHandlers[nIndex](*this, args, result);
}

int CMarionet_Script::CallUserFunction(CScriptTokenList& tokens, int& nPos, CScriptValue& result)
{
    const CScriptToken& nameToken = tokens[nPos];
    const int nColumn = nameToken.m_nColumn;
    const CUserFunc* pFunc = m_UserFunctions.Find(nameToken.m_vValue.GetText());
    if (!pFunc)
        return ReportScriptError("Unknown function name.", nColumn);
    const int nFuncLine = pFunc->m_nFuncLine;
    ++nPos;
    int nClose = 0;
    if (FindCallEnd(tokens, nPos, nColumn, false, nClose))
        return 1;

    CScriptTokenList scratch;
    const char* pszFuncLine = LineText(nFuncLine);
    CScriptTokenList* pParams = pszFuncLine ? LineTokens(nFuncLine, pszFuncLine, scratch) : nullptr;
    if (!pParams)
        return 1;
    CScriptTokenList& params = *pParams;

    CScratchLease<std::vector<CBoundArgument>> lease(m_BoundArguments);
    std::vector<CBoundArgument>& bound = lease.Get();
    bound.clear();
    int nArgPos = nPos + 1;
    for (int nParam = 3; params[nParam].m_nType != TOKEN_END && params[nParam].m_nType != TOKEN_RIGHT_PAREN; ++nParam) {
        CBoundArgument argument;
        if (IsKeywordToken(params[nParam], KEYWORD_BYREF)) {
            argument.bByRef = true;
            ++nParam;
        }
        if (params[nParam].m_nType != TOKEN_VARIABLE)
            continue;
        argument.pName = &params[nParam].m_vValue.GetString();
        if (nArgPos >= nClose)
            return ReportScriptError(kParameterCount, nColumn);
        if (argument.bByRef) {
            const CScriptToken& varToken = tokens[nArgPos];
            if (varToken.m_nType != TOKEN_VARIABLE)
                return ReportScriptError(kExpectedVariable, varToken.m_nColumn);
            argument.pTarget = FindVariable(varToken.m_vValue.GetString(), SCOPE_AUTO);
            if (!argument.pTarget)
                return ReportScriptError("Variable used without being declared.", varToken.m_nColumn);
            const int nVarColumn = varToken.m_nColumn;
            ++nArgPos;
            if (tokens[nArgPos].m_nType == TOKEN_LEFT_BRACKET) {
                if (!argument.pTarget->IsArray())
                    return ReportScriptError("Subscript used with non-Array variable.", tokens[nArgPos].m_nColumn);
                if (ResolveSubscripts(tokens, nArgPos, argument.pTarget, nVarColumn, &argument.keepTarget, nClose))
                    return 1;
            }
            if (tokens[nArgPos].m_nType != TOKEN_COMMA && nArgPos != nClose)
                return ReportScriptError(kExpectedVariable, tokens[nArgPos].m_nColumn);
        } else if (EvaluateExpression(tokens, nArgPos, argument.value, nClose)) {
            return 1;
        }
        if (nArgPos < nClose && tokens[nArgPos].m_nType == TOKEN_COMMA)
            ++nArgPos;
        bound.push_back(std::move(argument));
        if (params[nParam + 1].m_nType == TOKEN_COMMA)
            ++nParam;
    }
    if (nArgPos != nClose)
        return ReportScriptError(kParameterCount, tokens[nArgPos].m_nColumn);
    nPos = nClose + 1;

    CCallFrame frame(*this, nFuncLine);
    for (CBoundArgument& argument : bound) {
        if (argument.bByRef)
            m_Variables.AddByRef(*argument.pName, argument.pTarget);
        else
            m_Variables.Assign(*argument.pName, argument.value, SCOPE_LOCAL);
    }
    m_vResult.SetInteger(0);
    const int nStatus = ExecuteNested(nFuncLine + 1, 0, 0);
    result = m_vResult;
    return nStatus;
}

int CMarionet_Script::ExecuteReturn(CScriptTokenList& tokens, int& nPos)
{
    int nStatus = 0;
    if (tokens[nPos].m_nType != TOKEN_END) {
        CScriptValue value;
        nStatus = EvaluateExpression(tokens, nPos, value) || RequireLineEnd(tokens, nPos);
        if (!nStatus)
            m_vResult = value;
    }
    m_bReturn = 1;
    return nStatus;
}

int CMarionet_Script::ExecuteExit(CScriptTokenList& tokens, int& nPos)
{
    if (tokens[nPos].m_nType != TOKEN_END) {
        CScriptValue code;
        if (EvaluateExpression(tokens, nPos, code) || RequireLineEnd(tokens, nPos))
            return 1;
        ScriptExitCode = code.GetInteger();
    }
    m_nWaitState = WAIT_FINISHED;
    return 0;
}

int CMarionet_Script::ExecuteFuncSkip(CScriptTokenList& tokens, int& nLine)
{
    const CUserFunc* pFunc = m_UserFunctions.Find(tokens[1].m_vValue.GetText());
    int nEndLine = 0;
    if (pFunc)
        nEndLine = pFunc->m_nEndFuncLine;
    else if (FindEndFunc(nLine - 1, nEndLine))
        return 1;
    nLine = nEndLine + 1;
    return 0;
}
