#include "app/RobotRepetition.h"

#include <gtest/gtest.h>

namespace {

// The engine replaced by counters: the flags rise after a given number of
// runs, and the loop is the engine's own (it also ends on WM_QUIT).
struct FakeEngine
{
    int runs = 0;
    int engineStopAfter = -1;
    int dialogStopAfter = -1;
    int quitAfter = -1;

    int Run(int repeatOption, int repeatTimes)
    {
        for (int n = 0; !Reached(quitAfter) && ShouldStartRobotRun(repeatOption, repeatTimes, n,
                                                                   Reached(engineStopAfter), Reached(dialogStopAfter));
             ++n)
            ++runs;
        return runs;
    }

    FakeEngine& EngineStopAfter(int after)
    {
        engineStopAfter = after;
        return *this;
    }
    FakeEngine& DialogStopAfter(int after)
    {
        dialogStopAfter = after;
        return *this;
    }
    FakeEngine& QuitAfter(int after)
    {
        quitAfter = after;
        return *this;
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
    EXPECT_EQ(FakeEngine().DialogStopAfter(1).Run(0, 5), 1);
    // The engine's flag alone does not end a counted loop: each later run
    // ends before its first line inside the engine.
    EXPECT_EQ(FakeEngine().EngineStopAfter(1).Run(0, 5), 5);
    EXPECT_EQ(FakeEngine().DialogStopAfter(0).Run(0, 5), 0);
}

TEST(RobotRepetition, UntilEndKeyRunsAtLeastOnce)
{
    EXPECT_EQ(FakeEngine().EngineStopAfter(4).Run(1, 0), 4);
    EXPECT_EQ(FakeEngine().EngineStopAfter(0).Run(1, 0), 1);
    EXPECT_EQ(FakeEngine().DialogStopAfter(1).EngineStopAfter(3).Run(1, 0), 3);
}

TEST(RobotRepetition, QuittingEndsBothLoops)
{
    EXPECT_EQ(FakeEngine().QuitAfter(2).Run(1, 0), 2);
    EXPECT_EQ(FakeEngine().QuitAfter(2).Run(0, 1000), 2);
}
