#include "engine/CMarionet_Script.h"

#include "engine/CMarionet_ScriptFile.h"
#include "engine/ScriptErrorText.h"
#include "engine/ScriptGlobals.h"
#include "framework/AfxMessageBox.h"

#include <string>

int CMarionet_Script::ShowErrorReport(const std::string& strText)
{
    ++m_nReportedErrors;
    ShowMessageBox(EngineWindowHandle, strText.c_str(), "Internal Error",
                   MB_ICONERROR | MB_SYSTEMMODAL | MB_SETFOREGROUND);
    m_nWaitState = WAIT_FINISHED;
    // Also stop further runs of this script: under "Run until pressing end
    // key" the runner would otherwise repeat the system-modal box forever.
    m_bStopRequested = 1;
    return 1;
}

int CMarionet_Script::ReportScriptError(const char* pszMessage, int nColumn)
{
    const char* pszLine = LineText(m_nCurrentLine);
    const int nNumber = m_ScriptFile.GetLineNumber(m_nCurrentLine);
    const char* pszPath = m_ScriptFile.GetIncludeFileName(m_ScriptFile.GetLineFileIndex(m_nCurrentLine));
    return ShowErrorReport(ComposeScriptErrorText(nNumber >= 0 ? nNumber : m_nCurrentLine, pszPath,
                                                  pszLine ? pszLine : "", nColumn, pszMessage));
}

int CMarionet_Script::ReportRuntimeError(const char* pszMessage, const char* pszDetail)
{
    const char* pszLine = LineText(m_nCurrentLine);
    const int nNumber = m_ScriptFile.GetLineNumber(m_nCurrentLine);
    const char* pszPath = m_ScriptFile.GetIncludeFileName(m_ScriptFile.GetLineFileIndex(m_nCurrentLine));
    return ShowErrorReport(ComposeRuntimeErrorText(nNumber >= 0 ? nNumber : m_nCurrentLine, pszPath,
                                                   pszLine ? pszLine : "", pszMessage, pszDetail));
}

void CMarionet_Script::ReportRecordedWindowMissing()
{
    const std::string strText = ComposeRecordedWindowMissingText(m_RecWin.WinTitle, m_bUseSimilarWin != 0);
    ShowMessageBox(nullptr, strText.c_str(), "Orvantis Tapforge Error", MB_ICONERROR);
}
