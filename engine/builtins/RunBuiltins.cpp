#include "engine/builtins/RunBuiltins.h"

#include "engine/ScriptErrorText.h"
#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/CBuiltinState.h"
#include "engine/system/COsVersion.h"
#include "engine/system/ProcessStart.h"
#include "framework/WideText.h"

#include <shlwapi.h>

#include <string>

namespace {

enum ERunKind
{
    RUN_PROGRAM = 0,
    RUN_WAIT = 1,
    RUN_READY_INPUT = 2
};

const char kStartFailed[] = "Unable to execute the external program.";
// Long enough to stay responsive to the end hotkey, short enough to cost nothing.
const DWORD kReadySliceMs = 100;
const size_t kRunAsFieldMax = 256;

// The program text: the path in single quotes at the very start, then the
// parameters unchanged. Null, or the fatal message for a bad text.
const char* SplitProgramText(const std::string& strText, std::string& strPath, std::string& strParameters)
{
    if (strText.empty() || strText[0] != '\'')
        return "Invalid program to launch";
    const size_t last = strText.rfind('\'');
    if (last <= 1)
        return "Empty program to launch";
    strPath = strText.substr(1, last - 1);
    strParameters = strText.substr(last + 1);
    return nullptr;
}

// A path that does not exist is looked for by its file name alone on the
// search path.
void FallBackToBareName(std::string& strPath)
{
    const size_t slash = strPath.rfind('\\');
    if (!PathFileExistsA(strPath.c_str()) && slash != std::string::npos)
        strPath.erase(0, slash + 1);
}

bool IsProgramPath(const std::string& strPath)
{
    const size_t dot = strPath.rfind('.');
    return dot == std::string::npos || lstrcmpiA(strPath.c_str() + dot, ".exe") == 0;
}

int StartFailed(CMarionet_Script& engine, CScriptValue& result)
{
    if (engine.m_bRunErrorsFatal)
        return engine.ReportRuntimeError(kStartFailed, GetSystemErrorText(-1));
    engine.SetErrorCode(1);
    result.SetInteger(0);
    return 0;
}

// WaitForInputIdle in slices with the messages pumped between them, so that
// a program that never becomes idle cannot freeze the whole program.
void WaitUntilReadyForInput(CMarionet_Script& engine, HANDLE hProcess)
{
    while (WaitForInputIdle(hProcess, kReadySliceMs) == WAIT_TIMEOUT) {
        if (WaitForSingleObject(hProcess, 0) == WAIT_OBJECT_0)
            return;
        engine.PumpMessages();
        if (engine.m_bStopRequested || engine.QuitReceived())
            return;
    }
}

int StartProgramOfText(CMarionet_Script& engine, ERunKind kind, const std::string& strCommandLine,
                       const std::string& strDirectory, int nShow, CScriptValue& result)
{
    CBuiltinState& state = BuiltinState(engine);
    PROCESS_INFORMATION info = {};
    bool bStarted = false;
    if (state.m_bRunAsMode) {
        const EStartResult start = StartProgramAs(state.m_RunAs, strCommandLine, strDirectory, nShow, info);
        if (start == START_NO_RUNAS_API)
            return engine.ReportScriptError("Unable to access RunAs API.", -1);
        bStarted = start == START_OK;
    } else {
        bStarted = StartProgram(strCommandLine, strDirectory, nShow, info);
    }
    if (!bStarted)
        return StartFailed(engine, result);
    CloseHandle(info.hThread);
    if (kind == RUN_WAIT) {
        engine.m_Wait.m_hRunWaitChild = info.hProcess;
    } else {
        if (kind == RUN_READY_INPUT)
            WaitUntilReadyForInput(engine, info.hProcess);
        result.SetDouble(static_cast<double>(info.dwProcessId));
        CloseHandle(info.hProcess);
    }
    return 0;
}

int OpenDocumentOfText(CMarionet_Script& engine, ERunKind kind, const std::string& strPath,
                       const std::string& strParameters, const std::string& strDirectory, int nShow)
{
    HANDLE hProcess = nullptr;
    if (!OpenDocument(strPath, strParameters, strDirectory, nShow, kind == RUN_READY_INPUT, hProcess))
        return engine.ReportRuntimeError(kStartFailed, GetSystemErrorText(-1));
    if (kind == RUN_WAIT)
        engine.m_Wait.m_hRunWaitChild = hProcess;
    else if (hProcess)
        CloseHandle(hProcess);
    return 0;
}

int RunProgram(CMarionet_Script& engine, ERunKind kind, CScriptValueList& args, CScriptValue& result)
{
    std::string strPath;
    std::string strParameters;
    if (const char* pszError = SplitProgramText(args[0].GetText(), strPath, strParameters))
        return engine.ReportScriptError(pszError, -1);
    FallBackToBareName(strPath);
    const int nCount = args.GetCount();
    // Empty: the program starts in the current directory.
    const std::string strDirectory = nCount >= 2 ? args[1].GetText() : "";
    const int nShow = nCount == 3 ? args[2].GetInteger() : SW_SHOWNORMAL;

    const int nStatus =
        IsProgramPath(strPath)
            ? StartProgramOfText(engine, kind, "\"" + strPath + "\"" + strParameters, strDirectory, nShow, result)
            : OpenDocumentOfText(engine, kind, strPath, strParameters, strDirectory, nShow);
    // The next recorded-window check gives the started program time to open.
    if (nStatus == 0 && engine.m_nErrorCode == 0)
        engine.m_bRecWinLongRetry = 1;
    return nStatus;
}

int Run(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return RunProgram(engine, RUN_PROGRAM, args, result);
}

int RunReadyInput(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return RunProgram(engine, RUN_READY_INPUT, args, result);
}

int RunWait(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    if (RunProgram(engine, RUN_WAIT, args, result))
        return 1;
    // A failed start, or a document handed to a program already running:
    // there is nothing to wait for.
    if (engine.m_nErrorCode != 0 || !engine.m_Wait.m_hRunWaitChild)
        return 0;
    const CScriptValue& exitCode = engine.RunWaitService(CMarionet_Script::WAIT_RUNWAIT);
    // The stop flag or WM_QUIT ended the wait with the child still running:
    // the child runs on, its handle goes.
    if (engine.m_Wait.m_hRunWaitChild) {
        CloseHandle(engine.m_Wait.m_hRunWaitChild);
        engine.m_Wait.m_hRunWaitChild = nullptr;
    }
    result = exitCode;
    return 0;
}

std::wstring RunAsField(const CScriptValue& value)
{
    return Widened(std::string(value.GetText()).substr(0, kRunAsFieldMax).c_str());
}

int RunAsSet(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    if (!COsVersion::Current().m_b2000OrLater) {
        result.SetInteger(0);
        return 0;
    }
    const int nCount = args.GetCount();
    if (nCount == 1 || nCount == 2)
        return engine.ReportScriptError("Incorrect number of parameters in function call.", -1);
    CBuiltinState& state = BuiltinState(engine);
    if (nCount == 0) {
        state.m_bRunAsMode = 0;
        return 0;
    }
    state.m_RunAs.m_strUser = RunAsField(args[0]);
    state.m_RunAs.m_strDomain = RunAsField(args[1]);
    state.m_RunAs.m_strPassword = RunAsField(args[2]);
    state.m_RunAs.m_dwLogonFlags = LOGON_WITH_PROFILE;
    if (nCount == 4) {
        const int nOption = args[3].GetInteger();
        if (nOption == 0)
            state.m_RunAs.m_dwLogonFlags = 0;
        else if (nOption == 2)
            state.m_RunAs.m_dwLogonFlags = LOGON_NETCREDENTIALS_ONLY;
    }
    state.m_bRunAsMode = 1;
    return 0;
}

}  // namespace

void RegisterRunBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"RUN", Run},
        {"RUNWAIT", RunWait},
        {"RUNREADYINPUT", RunReadyInput},
        {"RUNASSET", RunAsSet},
    };
    BindBuiltins(engine, kBindings);
}
