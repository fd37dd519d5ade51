#include "engine/CMarionet_Script.h"

#include "engine/CMarionet_ScriptFile.h"
#include "engine/MersenneTwister.h"
#include "engine/ScriptGlobals.h"
#include "engine/ScriptLexer.h"
#include "framework/FullPathName.h"

#include <mmsystem.h>

#include <cstring>
#include <string>
#include <vector>

HWND EngineWindowHandle = nullptr;
std::atomic<BYTE> WaitLongBusy{0};
int ScriptExitCode = 0;

const char CMarionet_Script::kRecursionMessage[] =
    "Recursion level has been exceeded - Orvantis Tapforge will quit to prevent stack overflow.";
const char CMarionet_Script::kAllocateArrayMessage[] =
    "Unable to allocate array - maximum total size is 16777216 elements.";

CMarionet_Script::CMarionet_Script(CMarionet_ScriptFile& scriptFile) : m_ScriptFile(scriptFile) {}

CMarionet_Script::~CMarionet_Script()
{
    if (m_hToolTip)
        DestroyWindow(m_hToolTip);
    char szMode[64] = "";
    if (mciSendStringA("status PlayMe mode", szMode, sizeof szMode, nullptr) == 0 && szMode[0])
        mciSendStringA("close PlayMe", nullptr, 0, nullptr);
    WithdrawScriptHotkeys();
    m_FileHandles.CloseAll();
}

void CMarionet_Script::CLexerReporter::ReportScriptError(const CScriptString& message, int column)
{
    m_Engine.ReportScriptError(message.GetText(), column);
}

int CMarionet_Script::TokeniseLine(const char* pszLine, CScriptTokenList& tokens)
{
    return TokeniseScriptLine(pszLine, tokens, m_bExpandEnvStrings != 0, m_LexerReporter);
}

void CMarionet_Script::SyncLineTokens()
{
    m_LineTokens.Sync(m_ScriptFile.GetGeneration(), m_ScriptFile.GetLineCount());
}

CScriptTokenList* CMarionet_Script::LineTokens(int nLine, const char* pszText, CScriptTokenList& scratch)
{
    // With the expansion on, a literal's "%NAME%" takes the variable's value
    // at the time the line runs, so such a line is tokenised every time.
    const bool bExpandsNow = m_bExpandEnvStrings && std::strchr(pszText, '%');
    SyncLineTokens();
    if (!bExpandsNow) {
        if (CScriptTokenList* pKept = m_LineTokens.Find(nLine))
            return pKept;
    }
    if (TokeniseLine(pszText, scratch))
        return nullptr;
    return bExpandsNow ? &scratch : m_LineTokens.Keep(nLine, scratch);
}

void CMarionet_Script::SetBuiltinHandler(int nIndex, ScriptBuiltinHandler handler)
{
    if (nIndex >= 0 && nIndex < kScriptBuiltinCount)
        m_aHandlers[nIndex] = handler;
}

ScriptBuiltinHandler CMarionet_Script::GetBuiltinHandler(int nIndex) const
{
    return nIndex >= 0 && nIndex < kScriptBuiltinCount ? m_aHandlers[nIndex] : nullptr;
}

void CMarionet_Script::ClearBuiltinHandlers()
{
    for (ScriptBuiltinHandler& handler : m_aHandlers)
        handler = nullptr;
}

int CMarionet_Script::LoadAndCheckScript(const char* pszPath)
{
    // No statement runs while a script loads: the tokens kept for the
    // script before can go now rather than at the start of the run.
    SyncLineTokens();
    m_LineTokens.FreeDropped();
    m_UserFunctions.FreeAll();
    ForgetLabels();
    if (RegisterUserFunctions() || CheckUserFunctionCalls())
        return 1;

    // A name the system cannot resolve is kept as given.
    std::string strFullPath;
    if (!FullPathName(pszPath, strFullPath))
        strFullPath = pszPath;
    m_sScriptFullPath = strFullPath.c_str();
    const size_t nSlash = strFullPath.find_last_of("\\/");
    if (nSlash == std::string::npos) {
        m_sScriptName = strFullPath.c_str();
        m_sScriptDir = "";
    } else {
        m_sScriptName = strFullPath.substr(nSlash + 1).c_str();
        m_sScriptDir = strFullPath.substr(0, nSlash).c_str();
    }
    SeedRandomFromClock();
    m_bStopRequested = 0;
    return 0;
}

void CMarionet_Script::SetRunAtBackground(int bBackground, int x, int y)
{
    m_bRunAtBackground = bBackground;
    if (m_Hooks.setSendBackground)
        m_Hooks.setSendBackground(bBackground);
    m_nStartCursorX = x;
    m_nStartCursorY = y;
}

void CMarionet_Script::UnloadScript()
{
    // Files a script left open are closed (and flushed) with it, so a robot
    // started again and again never runs out of handles.
    m_FileHandles.CloseAll();
    ForgetLabels();
    m_ScriptFile.UnloadScript();
}
