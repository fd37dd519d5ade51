#include "app/RobotRepetition.h"

#include <gtest/gtest.h>

namespace {

// The engine replaced by counters: the flags rise after a given number of
// runs, and the loop is the engine's own (it also ends on WM_QUIT).
struct FakeEngine {
    int runs = 0;
    int engineStopAfter = -1;
    int dialogStopAfter = -1;
    int quitAfter = -1;

    int Run(int repeatOption, int repeatTimes)
    {
        for (int n = 0; !Reached(quitAfter) &&
                        ShouldStartRobotRun(repeatOption, repeatTimes, n, Reached(engineStopAfter),
                                            Reached(dialogStopAfter));
             ++n)
            ++runs;
        return runs;
    }

    bool Reached(int after) const { return after >= 0 && runs >= after; }
};

}  // namespace

TEST(RobotRepetition, CountedRunsRunTheStoredNumber)
{
    EXPECT_EQ(FakeEngine().Run(0, 3), 3);
    EXPECT_EQ(FakeEngine().Run(0, 0), 0);
    EXPECT_EQ(FakeEngine().Run(0, -4), 0);
}

TEST(RobotRepetition, CountedRunsStopOnTheDialogsRequestOnly)
{
    FakeEngine stopped;
    stopped.dialogStopAfter = 1;
    EXPECT_EQ(stopped.Run(0, 5), 1);
    // The engine's flag alone does not end a counted loop: each later run
    // ends before its first line inside the engine.
    FakeEngine engineOnly;
    engineOnly.engineStopAfter = 1;
    EXPECT_EQ(engineOnly.Run(0, 5), 5);
    FakeEngine stoppedBefore;
    stoppedBefore.dialogStopAfter = 0;
    EXPECT_EQ(stoppedBefore.Run(0, 5), 0);
}

TEST(RobotRepetition, UntilEndKeyRunsAtLeastOnce)
{
    FakeEngine engine;
    engine.engineStopAfter = 4;
    EXPECT_EQ(engine.Run(1, 0), 4);
    FakeEngine already;
    already.engineStopAfter = 0;
    EXPECT_EQ(already.Run(1, 0), 1);
    FakeEngine dialogOnly;
    dialogOnly.dialogStopAfter = 1;
    dialogOnly.engineStopAfter = 3;
    EXPECT_EQ(dialogOnly.Run(1, 0), 3);
}

TEST(RobotRepetition, QuittingEndsBothLoops)
{
    FakeEngine endless;
    endless.quitAfter = 2;
    EXPECT_EQ(endless.Run(1, 0), 2);
    FakeEngine counted;
    counted.quitAfter = 2;
    EXPECT_EQ(counted.Run(0, 1000), 2);
}
