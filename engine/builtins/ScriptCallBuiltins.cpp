#include "engine/builtins/SystemBuiltinFamilies.h"

#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/CBuiltinState.h"

namespace {

const char kNoCounter[] = "Unable to access the CPU performance counter.";

int TimerInit(CMarionet_Script& engine, CScriptValueList&, CScriptValue& result)
{
    LARGE_INTEGER count;
    if (!QueryPerformanceCounter(&count))
        return engine.ReportScriptError(kNoCounter, -1);
    result.SetDouble(static_cast<double>(count.QuadPart));
    return 0;
}

int TimerDiff(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    LARGE_INTEGER count;
    LARGE_INTEGER frequency;
    if (!QueryPerformanceCounter(&count) || !QueryPerformanceFrequency(&frequency) || frequency.QuadPart == 0)
        return engine.ReportScriptError(kNoCounter, -1);
    const double dTicks = static_cast<double>(count.QuadPart) - args[0].GetNumber();
    result.SetDouble(dTicks / static_cast<double>(frequency.QuadPart) * 1000.0);
    return 0;
}

int Call(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    const CUserFunc* pFunc = engine.m_UserFunctions.Find(args[0].GetText());
    if (!pFunc) {
        engine.SetErrorCode(1);
        return 0;
    }
    // The calling function's pending Return value is not the called one's.
    const CScriptValue savedResult = engine.m_vResult;
    engine.m_vResult.SetInteger(1);
    const int nStatus = engine.ExecuteNested(pFunc->m_nFuncLine + 1, 1, 0);
    result = engine.m_vResult;
    engine.m_vResult = savedResult;
    return nStatus;
}

int Eval(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    CScriptValue* pValue = nullptr;
    engine.m_Variables.GetRef(args[0].GetText(), pValue, CMarionet_Script::SCOPE_AUTO);
    if (!pValue) {
        result.SetString("");
        engine.SetErrorCode(1);
        return 0;
    }
    result = *pValue;
    return 0;
}

int IsDeclared(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    result.SetInteger(engine.m_Variables.DeclaredWhere(args[0].GetText()));
    return 0;
}

int SetError(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    engine.SetErrorCode(args[0].GetInteger());
    return 0;
}

int Break(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    BuiltinState(engine).m_bBreakEnabled = args[0].GetInteger() != 0 ? 1 : 0;
    return 0;
}

int UBound(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    if (!args[0].IsArray()) {
        engine.SetErrorCode(1);
        return 0;
    }
    const int nSize = args[0].DimensionSize(args.GetCount() == 2 ? args[1].GetInteger() : 1);
    result.SetInteger(nSize);
    if (nSize == 0)
        engine.SetErrorCode(1);
    return 0;
}

}  // namespace

void RegisterScriptCallBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"TIMERINIT", TimerInit},
        {"TIMERSTART", TimerInit},
        {"TIMERDIFF", TimerDiff},
        {"TIMERSTOP", TimerDiff},
        {"CALL", Call},
        {"EVAL", Eval},
        {"ISDECLARED", IsDeclared},
        {"SETERROR", SetError},
        {"BREAK", Break},
        {"UBOUND", UBound},
    };
    BindBuiltins(engine, kBindings);
}
