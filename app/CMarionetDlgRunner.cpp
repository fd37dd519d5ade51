#include "app/CMarionetDlg.h"

#include "app/CurrentDirectoryKeeper.h"
#include "app/RobotFolder.h"
#include "app/RobotRepetition.h"
#include "app/ScriptEngineObjects.h"
#include "engine/system/CArgList.h"
#include "engine/RobotRunSequence.h"
#include "engine/ScriptGlobals.h"
#include "framework/AfxMessageBox.h"

#include <io.h>

int CMarionetDlg::RunRobot(const CString& path)
{
    if (m_bRobotRunning)
        return 0;
    m_bStopRequest = 0;
    CRobot robot;
    // A robot whose file cannot be read whole never runs: its repeat options
    // would be whatever the record held before.
    if (!robot.LoadFromFile(path))
        return 0;
    const CString trigger = robot.GetTriggerRobot();
    if (!trigger.IsEmpty() && _access(RobotFilePath(trigger), 0) != 0) {
        AfxMessageBox(CString("Can not find the robot: \"") + trigger + "\" which will run after current robot");
        return 0;
    }
    return RunLoadedRobot(robot, path);
}

int CMarionetDlg::RunLoadedRobot(const CRobot& robot, const CString& path)
{
    CMarionet_Script& engine = TheScriptEngine();
    // The repetitions are asked for only once the script has loaded and
    // passed its check: a script error means the run never started.
    bool started = false;
    {
        CCurrentDirectoryKeeper directory;
        m_bRobotRunning = 1;
        UnregisterAllHotKeys(1);
        RunRobotSequence(engine, robot, path, [this, &engine, &robot, &started](int run) {
            started = true;
            return ShouldStartRobotRun(robot.m_nRepeatOption, robot.m_nRepeatTimes, run, engine.m_bStopRequested != 0,
                                       m_bStopRequest != 0);
        });
    }
    m_bRobotRunning = 0;
    RegisterAllHotKeys(1);
    return started ? 1 : 0;
}

int CMarionetDlg::RunRobotByName(const CString& name)
{
    if (name.IsEmpty())
        return 0;
    m_strPendingRobotPath = RobotFilePath(name);
    return RunRobot(m_strPendingRobotPath);
}

int CMarionetDlg::RunPendingRobot()
{
    return m_strPendingRobotPath.IsEmpty() ? 0 : RunRobot(m_strPendingRobotPath);
}

LRESULT CMarionetDlg::OnRunRobotByIndex(WPARAM, LPARAM lParam)
{
    const CString name = GetRobotNameByIndex(static_cast<int>(lParam));
    if (name.IsEmpty())
        ShowMessageBox(m_hWnd, "Can not find the robot scheduled to run.", kApplicationTitle, MB_OK);
    else
        RunRobotByName(name);
    return 0;
}

void CMarionetDlg::OnRunRobot()
{
    const CString name = SelectedRobotName("No robot selected! Please select a robot from list above to run.");
    if (name.IsEmpty())
        return;
    m_strPendingRobotPath = RobotFilePath(name);
    RunRobot(m_strPendingRobotPath);
}

void CMarionetDlg::OnTest()
{
    // One run at a time: the engine and its line store are single, so a
    // second run would free the lines of the one running.
    if (m_bRobotRunning)
        return;
    m_bRobotRunning = 1;
    RunTestScript();
    m_bRobotRunning = 0;
}

void CMarionetDlg::RunTestScript()
{
    CMarionet_ScriptFile& store = TheScriptFile();
    CMarionet_Script& engine = TheScriptEngine();
    // A test run is not started from a command line: its scripts see no
    // arguments.
    ScriptArgList().Parse("");
    if (m_bTestMode) {
        store.AddScriptLine(1, m_sTestLine.GetText(), -1);
    } else if (!store.RunScriptFileDialog(m_strTestScriptPath)) {
        ScriptExitCode = 1;
        return;
    }
    store.BuildLineArray();
    if (engine.LoadAndCheckScript(m_strTestScriptPath) != 0) {
        engine.UnloadScript();
        ScriptExitCode = 1;
        return;
    }
    CCurrentDirectoryKeeper directory;
    engine.SetRunAtBackground(store.m_bRunAtBackground, 0, 0);
    engine.ExecuteFromLine(1, 1);
    engine.UnloadScript();
}
