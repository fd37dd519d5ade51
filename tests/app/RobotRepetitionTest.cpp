#include "app/RobotRepetition.h"

#include "engine/CMarionet_Script.h"
#include "engine/CMarionet_ScriptFile.h"
#include "engine/RobotRunSequence.h"
#include "framework/CMessageBoxCapture.h"
#include "robot/CRobot.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

namespace {

struct RepetitionCase
{
    int repeatOption;
    int repeatTimes;
    int run;
    bool engineStop;
    bool dialogStop;
    bool starts;
};

const RepetitionCase kCases[] = {
    // Counted runs: the stored number, ended early only by the dialog's
    // request; the engine's flag alone lets each later run end before its
    // first line.
    {0, 3, 2, false, false, true},
    {0, 3, 3, false, false, false},
    {0, 0, 0, false, false, false},
    {0, -4, 0, false, false, false},
    {0, 5, 1, false, true, false},
    {0, 5, 0, false, true, false},
    {0, 5, 4, true, false, true},
    // Until the end key: at least once, then until the engine's flag.
    {1, 0, 0, true, false, true},
    {1, 0, 3, false, false, true},
    {1, 0, 4, true, false, false},
    {1, 0, 1, false, true, true},
};

TEST(RobotRepetition, WhichRunStarts)
{
    for (const RepetitionCase& c : kCases) {
        EXPECT_EQ(c.starts, ShouldStartRobotRun(c.repeatOption, c.repeatTimes, c.run, c.engineStop, c.dialogStop))
            << "option " << c.repeatOption << " times " << c.repeatTimes << " run " << c.run;
    }
}

// The sequence, not the rule, ends a run-until-the-end-key robot once the
// engine's pump has met WM_QUIT.
TEST(RobotRepetition, QuittingEndsTheRunsOfTheSequence)
{
    const std::string path = e2e::WriteTempRobotFile("repeated", {"$x = 1"});
    ASSERT_FALSE(path.empty());
    CRobot robot;
    ASSERT_TRUE(robot.LoadFromFile(path.c_str()));
    CMessageBoxCapture boxes;
    CMarionet_ScriptFile file;
    CMarionet_Script engine(file);

    PostQuitMessage(0);
    int runs = 0;
    RunRobotSequence(engine, robot, path.c_str(), [&](int run) {
        const bool starts = ShouldStartRobotRun(1, 0, run, engine.m_bStopRequested != 0, false);
        runs += starts ? 1 : 0;
        return starts;
    });
    EXPECT_EQ(1, runs);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    e2e::RemoveTempRobotFile(path);
}

}  // namespace
