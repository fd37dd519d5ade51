#include "engine/builtins/ProcessBuiltins.h"

#include "engine/ScriptNumber.h"
#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/PolledWait.h"
#include "engine/system/COsVersion.h"
#include "engine/system/ProcAddress.h"
#include "engine/system/SystemProcess.h"

#include <mmsystem.h>

namespace {

const char kNoProcessList[] =
    "Unable to get a list of running processes.  If running Windows NT4 then PSAPI.DLL is "
    "required - please see the documentation.";
const DWORD kPollPauseMs = 10;

int ProcessExists(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    DWORD dwId = 0;
    bool bFound = false;
    if (!FindProcess(args[0].GetText(), dwId, bFound))
        return engine.ReportScriptError(kNoProcessList, -1);
    result.SetDouble(bFound ? static_cast<double>(dwId) : 0.0);
    return 0;
}

int ProcessClose(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    DWORD dwId = 0;
    bool bFound = false;
    if (!FindProcess(args[0].GetText(), dwId, bFound))
        return engine.ReportScriptError(kNoProcessList, -1);
    if (!bFound)
        return 0;
    if (HANDLE hProcess = OpenProcess(PROCESS_TERMINATE, FALSE, dwId)) {
        TerminateProcess(hProcess, 0);
        CloseHandle(hProcess);
    }
    return 0;
}

int ProcessSetPriority(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    result.SetInteger(0);
    engine.SetErrorCode(1);
    DWORD dwId = 0;
    bool bFound = false;
    if (!FindProcess(args[0].GetText(), dwId, bFound) || !bFound)
        return 0;
    // Looked up by name: systems of the 9x family lack some of the kernel's calls.
    HMODULE hKernel = GetModuleHandleA("KERNEL32.DLL");
    using OpenProcessFn = HANDLE(WINAPI*)(DWORD, BOOL, DWORD);
    using SetPriorityFn = BOOL(WINAPI*)(HANDLE, DWORD);
    auto openProcess = ProcAddress<OpenProcessFn>(hKernel, "OpenProcess");
    auto setPriorityClass = ProcAddress<SetPriorityFn>(hKernel, "SetPriorityClass");
    if (!openProcess || !setPriorityClass)
        return 0;
    HANDLE hProcess = openProcess(PROCESS_SET_INFORMATION, FALSE, dwId);
    if (!hProcess)
        return 0;
    DWORD dwClass = 0;
    const EPriorityRule rule = PriorityClassOf(args[1].GetInteger(), COsVersion::Current(), dwClass);
    if (rule == PRIORITY_NOT_ON_9X)
        engine.SetErrorCode(2);
    if (rule == PRIORITY_OK && setPriorityClass(hProcess, dwClass)) {
        result.SetInteger(1);
        engine.SetErrorCode(0);
    }
    CloseHandle(hProcess);
    return 0;
}

void PrepareProcessWait(CMarionet_Script& engine, CScriptValueList& args)
{
    engine.m_Wait.m_sProcess = args[0].GetText();
    engine.m_Wait.m_nProcessTimeout = args.GetCount() == 2 ? ScriptDoubleToInteger(args[1].GetNumber() * 1000.0) : 0;
    engine.m_Wait.m_dwProcessStart = timeGetTime();
}

int WaitForProcess(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result, int nState)
{
    PrepareProcessWait(engine, args);
    engine.m_vResult.SetInteger(1);
    result = engine.RunWaitService(nState);
    return 0;
}

int ProcessWait(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WaitForProcess(engine, args, result, CMarionet_Script::WAIT_PROCESS);
}

int ProcessWaitClose(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WaitForProcess(engine, args, result, CMarionet_Script::WAIT_PROCESSCLOSE);
}

int Shutdown(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    if (!RequestShutdown(static_cast<UINT>(args[0].GetInteger())))
        result.SetInteger(0);
    return 0;
}

}  // namespace

int PollProcessWait(CMarionet_Script& engine)
{
    const int nState = engine.m_nWaitState;
    if (nState != CMarionet_Script::WAIT_PROCESS && nState != CMarionet_Script::WAIT_PROCESSCLOSE)
        return 0;
    Sleep(kPollPauseMs);
    if (engine.m_Wait.ProcessWaitTimedOut()) {
        engine.m_vResult.SetInteger(0);
        EndPolledWait(engine);
        return 1;
    }
    DWORD dwId = 0;
    bool bFound = false;
    if (!FindProcess(engine.m_Wait.m_sProcess, dwId, bFound)) {
        engine.ReportScriptError(kNoProcessList, -1);
        engine.m_nWaitState = CMarionet_Script::WAIT_FINISHED;
        return 1;
    }
    if (bFound == (nState == CMarionet_Script::WAIT_PROCESS)) {
        EndMetWait(engine);
    }
    return 1;
}

void RegisterProcessBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"PROCESSEXISTS", ProcessExists},
        {"PROCESSCLOSE", ProcessClose},
        {"PROCESSWAIT", ProcessWait},
        {"PROCESSWAITCLOSE", ProcessWaitClose},
        {"PROCESSSETPRIORITY", ProcessSetPriority},
        {"SHUTDOWN", Shutdown},
    };
    BindBuiltins(engine, kBindings);
    CMarionet_Script* pEngine = &engine;
    engine.m_Hooks.pollProcessWait = [pEngine]() { return PollProcessWait(*pEngine); };
}
