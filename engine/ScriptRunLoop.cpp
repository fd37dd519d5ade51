#include "engine/CMarionet_Script.h"

#include "engine/CMarionet_ScriptFile.h"
#include "engine/ScriptLinePump.h"
#include "engine/ScriptGlobals.h"

#include <mmsystem.h>

#include <new>

namespace {

ScriptLinePumpFunction g_pfnLinePump = nullptr;

}  // namespace

void SetScriptLinePump(ScriptLinePumpFunction pump)
{
    g_pfnLinePump = pump;
}

void CMarionet_Script::BeginTopLevelRun()
{
    // Blocks left open by a stopped or failed run must not be seen by this one.
    m_IfStack.FreeAll();
    m_LoopStack.FreeAll();
    m_SelectStack.FreeAll();
    m_CallStack.FreeAll();
    m_nIfBase = m_nLoopBase = m_nSelectBase = 0;
    m_nExpressionDepth = 0;
    m_nDepth = 0;
    m_LineTokens.FreeDropped();
}

void CMarionet_Script::EndTopLevelRun()
{
    if (m_Hooks.releaseHeldKeys)
        m_Hooks.releaseHeldKeys();
    // A script's hotkeys and its Adlib function belong to its run: left
    // behind, the keys would stay taken for every program and a later script
    // would be interrupted by a function it does not have.
    WithdrawScriptHotkeys();
    m_bAdlibEnabled = 0;
    // The pump consumed the program's WM_QUIT; hand it back once so that the
    // program's own loop ends too.
    if (m_bQuit && !m_bQuitReposted) {
        m_bQuitReposted = 1;
        PostQuitMessage(static_cast<int>(m_nQuitCode));
    }
}

void CMarionet_Script::PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            m_bQuit = 1;
            m_nQuitCode = msg.wParam;
            m_nWaitState = WAIT_FINISHED;
            return;
        }
        if (msg.message == WM_HOTKEY && msg.hwnd == nullptr && msg.wParam < HOTKEY_SLOTS) {
            m_HotkeyQueue.Post(static_cast<int>(msg.wParam));
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

int CMarionet_Script::ExecuteFromLine(int nStartLine, int bTopLevel)
{
    const bool bServiceRun = nStartLine == 0;
    if (bTopLevel) {
        BeginTopLevelRun();
    } else if (!bServiceRun && m_nWaitState == WAIT_FINISHED) {
        // The script has already ended (an error, a stop, Exit): a further
        // call in the same statement must not start it again.
        return 1;
    }
    if (!bServiceRun)
        m_nWaitState = WAIT_RUNNING;
    if (!bTopLevel) {
        if (m_nDepth >= MAX_NESTING) {
            ReportScriptError(
                "Recursion level has been exceeded - Orvantis Tapforge will quit to prevent stack "
                "overflow.",
                -1);
            return 1;
        }
        ++m_nDepth;
    }
    m_bReturn = 0;
    EnsureLabelsRegistered();

    int nLine = nStartLine;
    CScriptTokenList scratch;
    while (!m_bQuit && !m_bReturn) {
        if (g_pfnLinePump)
            g_pfnLinePump(*this);
        else
            PumpMessages();
        if (m_nWaitState == WAIT_FINISHED)
            break;
        if (ServiceWaitStates())
            continue;
        if (m_bUseRecWin && !m_bStopRequested && !m_bRecWinCheckInProgress) {
            m_bRecWinCheckInProgress = 1;
            if (!CheckLineRecordedWindow(nLine))
                continue;
        }
        m_bRecWinCheckInProgress = 0;
        m_nCurrentLine = nLine;
        const char* pszText = LineText(nLine);
        ++nLine;
        if (!pszText || m_bStopRequested) {
            EndWaitLong();
            m_nWaitState = WAIT_FINISHED;
        } else {
            ExecuteLine(pszText, scratch, nLine);
        }
    }

    if (!bTopLevel)
        --m_nDepth;
    m_bReturn = 0;
    if (bTopLevel)
        EndTopLevelRun();
    return 0;
}

void CMarionet_Script::ExecuteLine(const char* pszText, CScriptTokenList& scratch, int& nLine)
{
    // Memory that cannot be had (a string or array grown past what the
    // process can hold) ends the script with a report instead of the program.
    try {
        if (CScriptTokenList* pTokens = LineTokens(m_nCurrentLine, pszText, scratch))
            ExecuteStatement(*pTokens, nLine);
    } catch (const std::bad_alloc&) {
        ReportScriptError("Error allocating memory.", -1);
    }
}

int CMarionet_Script::ServiceWaitStates()
{
    if (m_bStopRequested)
        return 0;
    if (DispatchPendingHotkey())
        return 1;
    if (WaitLongBusy) {
        Sleep(10);
        return 1;
    }
    if (PollAdlib())
        return 1;

    if (m_nWaitState == WAIT_RECORDED_WINDOW) {
        if (m_nRecWinTries >= m_nRecWinTryLimit) {
            ReportRecordedWindowMissing();
            m_nWaitState = WAIT_RUNNING;
            m_bStopRequested = 1;
            return 0;
        }
        if (FindRecordedWindow()) {
            m_nWaitState = WAIT_RUNNING;
            return 0;
        }
        Sleep(500);
        ++m_nRecWinTries;
        return 1;
    }
    if (m_nWaitState == WAIT_RUNWAIT) {
        DWORD dwExitCode = 0;
        if (GetExitCodeProcess(m_Wait.m_hRunWaitChild, &dwExitCode) && dwExitCode == STILL_ACTIVE) {
            Sleep(10);
            return 1;
        }
        CloseHandle(m_Wait.m_hRunWaitChild);
        m_Wait.m_hRunWaitChild = nullptr;
        m_vResult.SetDouble(static_cast<double>(dwExitCode));
        m_bReturn = 1;
        m_nWaitState = WAIT_RUNNING;
        return 1;
    }
    if (m_nWaitState == WAIT_PROCESS || m_nWaitState == WAIT_PROCESSCLOSE)
        return m_Hooks.pollProcessWait ? m_Hooks.pollProcessWait() : 0;
    if (m_nWaitState >= WAIT_DELAY && m_nWaitState <= WAIT_WINWAITNOTACTIVE)
        return m_Hooks.pollWindowWait ? m_Hooks.pollWindowWait() : 0;
    return 0;
}

const CScriptValue& CMarionet_Script::RunWaitService(int nWaitState)
{
    m_nWaitState = nWaitState;
    ExecuteFromLine(0, 0);
    return m_vResult;
}

int CMarionet_Script::ExecuteNested(int nStartLine, BYTE bPushFrame, BYTE bRestoreError)
{
    if (m_nWaitState == WAIT_FINISHED)
        return 1;

    const CScriptWaitParams savedWait = m_Wait;
    const int nCurrentLine = m_nCurrentLine;
    const int nErrorCode = m_nErrorCode;
    const int nIfDepth = m_IfStack.GetCount();
    const int nLoopDepth = m_LoopStack.GetCount();
    const int nSelectDepth = m_SelectStack.GetCount();
    const int nIfBase = m_nIfBase;
    const int nLoopBase = m_nLoopBase;
    const int nSelectBase = m_nSelectBase;
    m_nIfBase = nIfDepth;
    m_nLoopBase = nLoopDepth;
    m_nSelectBase = nSelectDepth;

    if (bPushFrame)
        m_Variables.PushFrame();
    const int nStatus = ExecuteFromLine(nStartLine, 0);
    if (bPushFrame)
        m_Variables.PopFrame();

    m_IfStack.PopTo(nIfDepth);
    m_LoopStack.PopTo(nLoopDepth);
    m_SelectStack.PopTo(nSelectDepth);
    m_nIfBase = nIfBase;
    m_nLoopBase = nLoopBase;
    m_nSelectBase = nSelectBase;
    m_Wait = savedWait;
    m_nCurrentLine = nCurrentLine;
    if (bRestoreError)
        m_nErrorCode = nErrorCode;
    return (nStatus != 0 || m_nWaitState == WAIT_FINISHED) ? 1 : 0;
}

int CMarionet_Script::RunUserFunctionNested(const char* pszName)
{
    const CUserFunc* pFunc = m_UserFunctions.Find(pszName);
    if (!pFunc)
        return 0;
    const int nSavedWaitState = m_nWaitState;
    // The function interrupts a wait or another function between two lines:
    // its Return value must not become theirs.
    const CScriptValue savedResult = m_vResult;
    m_nWaitState = WAIT_RUNNING;
    ExecuteNested(pFunc->m_nFuncLine + 1, 1, 1);
    m_vResult = savedResult;
    if (m_nWaitState == WAIT_FINISHED)
        return 1;
    m_nWaitState = nSavedWaitState;
    return 0;
}

bool CMarionet_Script::PollAdlib()
{
    if (!m_bAdlibEnabled || m_bAdlibRunning)
        return false;
    const DWORD dwNow = timeGetTime();
    DWORD dwElapsed = dwNow - m_dwAdlibLast;
    if (dwNow < m_dwAdlibLast)
        --dwElapsed;
    if (dwElapsed < m_dwAdlibPeriod)
        return false;
    m_dwAdlibLast = dwNow;
    m_bAdlibRunning = 1;
    const int nEnded = RunUserFunctionNested(m_sAdlibFunction);
    m_bAdlibRunning = 0;
    return nEnded != 0;
}

bool CMarionet_Script::DispatchPendingHotkey()
{
    int nId = 0;
    if (!m_HotkeyQueue.Take(nId))
        return false;
    for (CScriptHotkeySlot* pSlot : m_pHotkeySlots) {
        if (pSlot && pSlot->nId == nId) {
            const CScriptString strFunction = pSlot->strFunction;
            RunUserFunctionNested(strFunction);
            return true;
        }
    }
    return false;
}

void CMarionet_Script::WithdrawScriptHotkeys()
{
    for (CScriptHotkeySlot*& pSlot : m_pHotkeySlots) {
        if (pSlot) {
            UnregisterHotKey(EngineWindowHandle, pSlot->nId);
            delete pSlot;
            pSlot = nullptr;
        }
    }
    m_HotkeyQueue.Clear();
}

void CMarionet_Script::EndWaitLong()
{
    if (m_Hooks.endWaitLong)
        m_Hooks.endWaitLong();
}
