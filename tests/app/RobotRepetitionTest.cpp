#include "app/RobotRepetition.h"

#include <gtest/gtest.h>

namespace {

// An engine replaced by counters: the flags rise after a given number of runs.
struct FakeEngine {
    int runs = 0;
    int engineStopAfter = -1;
    int dialogStopAfter = -1;
    int quitAfter = -1;

    RobotRepetitionHooks Hooks()
    {
        RobotRepetitionHooks hooks;
        hooks.runOnce = [this] { ++runs; };
        hooks.engineStopRequested = [this] { return engineStopAfter >= 0 && runs >= engineStopAfter; };
        hooks.dialogStopRequested = [this] { return dialogStopAfter >= 0 && runs >= dialogStopAfter; };
        hooks.quitReceived = [this] { return quitAfter >= 0 && runs >= quitAfter; };
        return hooks;
    }
};

}  // namespace

TEST(RobotRepetition, CountedRunsRunTheStoredNumber)
{
    FakeEngine engine;
    EXPECT_EQ(RunRobotRepetitions(0, 3, engine.Hooks()), 3);
    FakeEngine none;
    EXPECT_EQ(RunRobotRepetitions(0, 0, none.Hooks()), 0);
    EXPECT_EQ(RunRobotRepetitions(0, -4, none.Hooks()), 0);
    EXPECT_EQ(none.runs, 0);
}

TEST(RobotRepetition, CountedRunsStopOnTheDialogsRequestOnly)
{
    FakeEngine engine;
    engine.dialogStopAfter = 1;
    EXPECT_EQ(RunRobotRepetitions(0, 5, engine.Hooks()), 1);
    // The engine's flag alone does not end a counted loop: each later run
    // ends before its first line inside the engine.
    FakeEngine engineOnly;
    engineOnly.engineStopAfter = 1;
    EXPECT_EQ(RunRobotRepetitions(0, 5, engineOnly.Hooks()), 5);
    FakeEngine stoppedBefore;
    stoppedBefore.dialogStopAfter = 0;
    EXPECT_EQ(RunRobotRepetitions(0, 5, stoppedBefore.Hooks()), 0);
}

TEST(RobotRepetition, UntilEndKeyRunsAtLeastOnce)
{
    FakeEngine engine;
    engine.engineStopAfter = 4;
    EXPECT_EQ(RunRobotRepetitions(1, 0, engine.Hooks()), 4);
    FakeEngine already;
    already.engineStopAfter = 0;
    EXPECT_EQ(RunRobotRepetitions(1, 0, already.Hooks()), 1);
}

TEST(RobotRepetition, QuittingEndsBothLoops)
{
    FakeEngine endless;
    endless.quitAfter = 2;
    EXPECT_EQ(RunRobotRepetitions(1, 0, endless.Hooks()), 2);
    FakeEngine counted;
    counted.quitAfter = 2;
    EXPECT_EQ(RunRobotRepetitions(0, 1000, counted.Hooks()), 2);
}
