// The robot run modes that only the program's own run sequence sets up: the
// run-in-background cursor restore, a WAITLONG ended by the stop flag (as the
// end hotkey sets it) and the short WAIT pauses a faster-speed run drops. Each
// robot file goes through RunRobotSequence in this process, as the program
// runs it, so the test can stop the run and look at the engine afterwards.
#include "engine/CMarionet_ScriptFile.h"
#include "engine/RobotRunSequence.h"
#include "engine/ScriptGlobals.h"
#include "engine/builtins/BuiltinRegistry.h"
#include "framework/CMessageBoxCapture.h"
#include "robot/CRobot.h"
#include "tests/engine/builtins/TapwinSuite.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>
#include <mmsystem.h>

#include <cstdlib>
#include <functional>

namespace {

const char kTitle[] = "RunModes Tapwin";

// The engine's stop request as the end hotkey makes it: a message handled by
// the run loop's own pump.
CMarionet_Script* g_stopTarget = nullptr;
UINT g_waitLongTimerSeen = 0;

void CALLBACK StopTheRun(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    g_waitLongTimerSeen = g_stopTarget->m_uWaitLongTimer;
    g_stopTarget->m_bStopRequested = 1;
}

class RobotRunModesTest : public TapwinSuite
{
protected:
    static void SetUpTestSuite() { StartTarget(kTitle, "100,100"); }
    void SetUp() override
    {
        TapwinSuite::SetUp();
        InstallScriptBuiltins(m_engine);
        m_folder = e2e::TempFilePath("runmodes") + "-" + std::to_string(GetTickCount());
        CreateDirectoryA(m_folder.c_str(), nullptr);
    }
    void TearDown() override
    {
        DeleteFileA((m_folder + "\\robot.txt").c_str());
        RemoveDirectoryA(m_folder.c_str());
    }

    // Writes the robot and runs it through the program's run sequence; the
    // milliseconds the runs took.
    DWORD RunRobot(
        const std::vector<std::string>& lines, const e2e::RobotHeader& header,
        const std::function<bool(int)>& shouldRun = [](int run) { return run == 0; })
    {
        EXPECT_TRUE(e2e::WriteRobotFile(m_folder, "robot", lines, header));
        std::string path = m_folder + "\\robot.txt";
        CRobot robot;
        EXPECT_TRUE(robot.LoadFromFile(path.c_str()));
        DWORD start = timeGetTime();
        m_outcome = RunRobotSequence(m_engine, robot, path.c_str(), shouldRun);
        return timeGetTime() - start;
    }

    // The user's move of the pointer. A synthesised move made just before may
    // still reach the pointer afterwards and put it back, so the pointer is
    // placed until it stays.
    static bool CursorStaysAt(POINT screen)
    {
        Sleep(300);
        POINT cursor;
        GetCursorPos(&cursor);
        return cursor.x == screen.x && cursor.y == screen.y;
    }
    static bool PlaceCursor(POINT screen)
    {
        for (int attempt = 0; attempt < 20; ++attempt) {
            SetCursorPos(screen.x, screen.y);
            if (CursorStaysAt(screen) && CursorStaysAt(screen))
                return true;
        }
        return false;
    }

    static POINT Screen(int x, int y) { return e2e::ClientToScreenPoint(s_window, x, y); }
    // A move and a click. Under Wine the window under the pointer may report
    // a pointer position late, after the next synthesised move, and put the
    // cursor back; the pauses let those reports pass before the next move.
    static std::vector<std::string> ClickLines(POINT screen)
    {
        return {"Opt(\"MouseClickDelay\", 300)",
                "MouseMove(" + std::to_string(screen.x) + ", " + std::to_string(screen.y) + ")", "Wait(300)",
                "MouseClick(\"left\")"};
    }

    // Button lines of tapwin's log from the given line on, without time stamps.
    static std::vector<std::string> ButtonLog(size_t from)
    {
        std::vector<std::string> lines = e2e::ReadLines(s_log);
        std::vector<std::string> found;
        for (size_t i = from; i < lines.size(); ++i) {
            if (lines[i].find("BUTTON") != std::string::npos)
                found.push_back(lines[i].substr(lines[i].find(' ') + 1));
        }
        return found;
    }

    CMessageBoxCapture m_boxes;
    CMarionet_ScriptFile m_file;
    CMarionet_Script m_engine{m_file};
    std::string m_folder;
    int m_outcome = -1;
};

TEST_F(RobotRunModesTest, BackgroundRunPutsTheCursorBackAndClicksThere)
{
    POINT user = Screen(400, 150);
    POINT robotPoint = Screen(450, 230);
    POINT movedUser = Screen(420, 160);
    ASSERT_TRUE(PlaceCursor(user));
    size_t logStart = e2e::ReadLines(s_log).size();

    e2e::RobotHeader header;
    header.runAtBackground = 1;
    // The user moves the cursor before run 2, so the robot's first move there
    // takes the user's position again.
    bool secondRun = false;
    RunRobot(ClickLines(robotPoint), header, [&](int run) {
        if (run == 1)
            secondRun = PlaceCursor(movedUser);
        return run < 2;
    });
    EXPECT_EQ(ROBOT_RUNS_ENDED, m_outcome);
    EXPECT_TRUE(secondRun);
    // Each run: the robot's click and the click at the user's position. Where
    // each click lands is left to the mouse tests: under Wine a late pointer
    // report of the window under the pointer can shift a click to the place
    // the cursor had just before.
    DWORD waitStart = GetTickCount();
    while (ButtonLog(logStart).size() < 8 && GetTickCount() - waitStart < 10000)
        Sleep(50);
    Sleep(300);
    std::vector<std::string> clicks = ButtonLog(logStart);
    EXPECT_EQ(8u, clicks.size()) << ::testing::PrintToString(clicks);
    // The user's position was taken again at run 2's first move.
    EXPECT_EQ(movedUser.x, m_engine.m_nStartCursorX);
    EXPECT_EQ(movedUser.y, m_engine.m_nStartCursorY);
    EXPECT_EQ(1, m_engine.m_bRefreshCursor);
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_LE(std::labs(cursor.x - movedUser.x), 1);
    EXPECT_LE(std::labs(cursor.y - movedUser.y), 1);
}

TEST_F(RobotRunModesTest, ForegroundRunLeavesTheCursorWhereTheRobotClicked)
{
    ASSERT_NE(nullptr, s_window);
    POINT user = Screen(400, 150);
    POINT robotPoint = Screen(450, 230);
    ASSERT_TRUE(PlaceCursor(user));
    size_t logStart = e2e::ReadLines(s_log).size();
    RunRobot(ClickLines(robotPoint), e2e::RobotHeader());
    EXPECT_EQ(ROBOT_RUNS_ENDED, m_outcome);
    Sleep(500);
    // One click, and the cursor stays at the robot's point.
    EXPECT_EQ(2u, ButtonLog(logStart).size()) << ::testing::PrintToString(ButtonLog(logStart));
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_LE(std::labs(cursor.x - robotPoint.x), 1);
    EXPECT_LE(std::labs(cursor.y - robotPoint.y), 1);
}

TEST_F(RobotRunModesTest, StopFlagEndsAPendingWaitLongAndItsTimer)
{
    g_stopTarget = &m_engine;
    g_waitLongTimerSeen = 0;
    SetTimer(nullptr, 0, 300, StopTheRun);
    DWORD took = RunRobot({"$before = 1", "WaitLong(5000)", "$after = 1"}, e2e::RobotHeader());
    EXPECT_EQ(ROBOT_RUNS_ENDED, m_outcome);
    EXPECT_LT(took, 3000u);
    EXPECT_EQ(0, WaitLongBusy.load());
    EXPECT_EQ(0u, m_engine.m_uWaitLongTimer);
    // The timer was pending when the stop came, and the run loop killed it.
    ASSERT_NE(0u, g_waitLongTimerSeen);
    EXPECT_NE(static_cast<MMRESULT>(TIMERR_NOERROR), timeKillEvent(g_waitLongTimerSeen));

    CScriptValue* before = nullptr;
    CScriptValue* after = nullptr;
    m_engine.m_Variables.GetRef("BEFORE", before, CMarionet_Script::SCOPE_GLOBAL);
    m_engine.m_Variables.GetRef("AFTER", after, CMarionet_Script::SCOPE_GLOBAL);
    ASSERT_NE(nullptr, before);
    EXPECT_EQ(1, before->GetInteger());
    EXPECT_TRUE(after == nullptr || after->GetInteger() == 0);
}

TEST_F(RobotRunModesTest, StopFlagEndsAPendingDelay)
{
    g_stopTarget = &m_engine;
    SetTimer(nullptr, 0, 300, StopTheRun);
    DWORD took = RunRobot({"Delay(10000)", "$afterDelay = 1"}, e2e::RobotHeader());
    EXPECT_EQ(ROBOT_RUNS_ENDED, m_outcome);
    EXPECT_LT(took, 3000u);
    CScriptValue* after = nullptr;
    m_engine.m_Variables.GetRef("AFTERDELAY", after, CMarionet_Script::SCOPE_GLOBAL);
    EXPECT_TRUE(after == nullptr || after->GetInteger() == 0);
}

TEST_F(RobotRunModesTest, FasterSpeedDropsWaitsOfAtMost200Ms)
{
    std::vector<std::string> shortWaits(8, "Wait(200)");
    e2e::RobotHeader faster;
    faster.originalSpeed = "0";
    DWORD fasterShort = RunRobot(shortWaits, faster);
    EXPECT_EQ(ROBOT_RUNS_ENDED, m_outcome);
    DWORD fasterLong = RunRobot({"Wait(250)"}, faster);
    DWORD recordedShort = RunRobot(shortWaits, e2e::RobotHeader());
    // Loose bounds: 8 × 200 ms are 1600 ms when they are not dropped.
    EXPECT_LT(fasterShort, 800u);
    EXPECT_GE(fasterLong, 240u);
    EXPECT_GE(recordedShort, 1550u);
}

// The end hotkey's stop reaches a run that keeps asking a hung window: each
// call gives up after the answer time, and the stop ends the run.
TEST_F(RobotRunModesTest, StopFlagEndsARunAtAHungWindow)
{
    HWND hung = StartTapwin("Hung RunModes Tapwin", "", "520,320");
    ASSERT_NE(nullptr, hung);
    PostMessageA(hung, WM_APP + 1, 60000, 0);
    Sleep(200);
    g_stopTarget = &m_engine;
    SetTimer(nullptr, 0, 300, StopTheRun);
    RunRobot({"While 1", "ControlGetText(\"Hung RunModes Tapwin\", \"\", \"Edit1\")", "WEnd"}, e2e::RobotHeader());
    EXPECT_EQ(ROBOT_RUNS_ENDED, m_outcome);
}

}  // namespace
