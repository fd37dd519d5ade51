#include "engine/RobotRunSequence.h"

#include "engine/CMarionet_Script.h"
#include "engine/CMarionet_ScriptFile.h"
#include "robot/CRobot.h"

int RunRobotSequence(CMarionet_Script& engine, const CRobot& robot, const char* pszPath,
                     const std::function<bool(int)>& shouldRun)
{
    CMarionet_ScriptFile& scriptFile = engine.ScriptFile();
    scriptFile.m_nFasterSpeed = robot.m_nSpeedMode;
    const int nFileIndex = scriptFile.AddIncludeFile(pszPath);
    if (!scriptFile.LoadRobotFile(pszPath, nFileIndex)) {
        engine.UnloadScript();
        return ROBOT_NOT_LOADED;
    }
    scriptFile.BuildLineArray();

    const int nErrorsBefore = engine.GetReportedErrorCount();
    if (engine.LoadAndCheckScript(pszPath)) {
        engine.UnloadScript();
        return ROBOT_RUN_FAILED;
    }
    POINT cursor = {0, 0};
    GetCursorPos(&cursor);
    engine.SetRunAtBackground(robot.m_bRunAtBackground, cursor.x, cursor.y);
    engine.m_bUseRecWin = robot.m_bUseRecWin;
    engine.m_bUseSimilarWin = robot.m_bUseSimilarWin;

    for (int nRun = 0; !engine.QuitReceived() && shouldRun(nRun); ++nRun)
        engine.ExecuteFromLine(1, 1);

    engine.UnloadScript();
    return engine.GetReportedErrorCount() != nErrorsBefore ? ROBOT_RUN_FAILED : ROBOT_RUNS_ENDED;
}
