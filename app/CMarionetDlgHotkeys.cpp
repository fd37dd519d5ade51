#include "app/CMarionetDlg.h"

#include "app/RobotFolder.h"
#include "app/ScriptEngineObjects.h"

WORD CMarionetDlg::GetHotKeyId(const CString& hotkeyText, UINT& modifiers, UINT& virtualKey)
{
    return m_HotkeyIds.Get(hotkeyText, modifiers, virtualKey);
}

int CMarionetDlg::RegisterRobotHotKey(const CString& hotkeyText)
{
    UINT modifiers = 0;
    UINT virtualKey = 0;
    const WORD id = GetHotKeyId(hotkeyText, modifiers, virtualKey);
    return id != 0 && ::RegisterHotKey(m_hWnd, id, modifiers, virtualKey) ? 1 : 0;
}

int CMarionetDlg::UnregisterRobotHotKey(const CString& hotkeyText)
{
    UINT modifiers = 0;
    UINT virtualKey = 0;
    const WORD id = GetHotKeyId(hotkeyText, modifiers, virtualKey);
    return id != 0 && ::UnregisterHotKey(m_hWnd, id) ? 1 : 0;
}

void CMarionetDlg::ForEachEnabledRobotKey(int startOnly, int (CMarionetDlg::*action)(const CString&))
{
    for (const CRobot& robot : m_arrRobots) {
        if (!robot.m_bEnable)
            continue;
        (this->*action)(robot.m_strStartKey);
        if (!startOnly)
            (this->*action)(robot.m_strEndKey);
    }
}

void CMarionetDlg::RegisterAllHotKeys(int startOnly)
{
    ForEachEnabledRobotKey(startOnly, &CMarionetDlg::RegisterRobotHotKey);
}

void CMarionetDlg::UnregisterAllHotKeys(int startOnly)
{
    ForEachEnabledRobotKey(startOnly, &CMarionetDlg::UnregisterRobotHotKey);
}

void CMarionetDlg::OnHotKey(UINT id, UINT, UINT)
{
    for (const CRobot& robot : m_arrRobots) {
        if (!robot.m_bEnable)
            continue;
        UINT modifiers = 0;
        UINT virtualKey = 0;
        if (GetHotKeyId(robot.m_strStartKey, modifiers, virtualKey) == id) {
            if (m_bRobotRunning)
                return;
            m_strPendingRobotPath = RobotFilePath(robot.m_strName);
            RunPendingRobot();
            return;
        }
        if (GetHotKeyId(robot.m_strEndKey, modifiers, virtualKey) == id) {
            TheScriptEngine().m_bStopRequested = 1;
            m_bStopRequest = 1;
            return;
        }
    }
}
