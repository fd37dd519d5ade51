#include "engine/CMarionet_Script.h"

#include "engine/CMarionet_ScriptFile.h"
#include "engine/system/PreciseSleep.h"
#include "robot/CActiveWinPath.h"

#include <algorithm>

bool CMarionet_Script::CheckLineRecordedWindow(int nLine)
{
    const int nIndex = m_ScriptFile.GetLineRecordedWindow(nLine);
    if (nIndex < 0)
        return true;
    m_RecWin = m_ScriptFile.m_vecRecWinInfo[static_cast<size_t>(nIndex)];
    m_nRecWinIndex = nIndex;
    m_nRecWinTryLimit = 40;
    if (m_bRecWinLongRetry) {
        m_bRecWinLongRetry = 0;
        m_nRecWinTryLimit = 600;
    }
    m_nRecWinTries = 0;
    if (FindRecordedWindow())
        return true;
    m_nWaitState = WAIT_RECORDED_WINDOW;
    Sleep(500);
    m_nRecWinTries = 1;
    return false;
}

bool CMarionet_Script::FindRecordedWindow()
{
    std::vector<RecordedWindowInfo>& records = m_ScriptFile.m_vecRecWinInfo;
    if (m_nRecWinIndex < 0 || static_cast<size_t>(m_nRecWinIndex) >= records.size())
        return false;
    CActiveWinPath identity;
    // Two recorded windows of one program must be matched to two different
    // live windows.
    for (int i = 0; i < m_nRecWinIndex; ++i) {
        const RecordedWindowInfo& earlier = records[static_cast<size_t>(i)];
        if (earlier.WinPath.CompareNoCase(m_RecWin.WinPath) != 0)
            continue;
        if (earlier.WinIndex == m_RecWin.WinIndex) {
            identity.m_hMatch = earlier.hWnd;
            break;
        }
        if (std::find(identity.m_SkipList.begin(), identity.m_SkipList.end(), earlier.hWnd) ==
            identity.m_SkipList.end())
            identity.m_SkipList.push_back(earlier.hWnd);
    }

    RecordedWindowInfo info = m_RecWin;
    if (identity.ActivateWin(info, 1)) {
        records[static_cast<size_t>(m_nRecWinIndex)].hWnd = info.hWnd;
        PreciseSleep(m_nWinWaitDelay);
        return true;
    }
    if (m_bUseSimilarWin) {
        info = m_RecWin;
        if (identity.ActivateWin(info, 0)) {
            // Later lines of the same window look for the window found now.
            RecordedWindowInfo found = identity.m_Target;
            found.hWnd = info.hWnd;
            records[static_cast<size_t>(m_nRecWinIndex)] = found;
            PreciseSleep(m_nWinWaitDelay);
            return true;
        }
    }
    return false;
}
