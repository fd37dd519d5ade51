#include "app/RobotRepetition.h"

namespace {

const int kRepeatUntilEndKey = 1;

}  // namespace

bool ShouldStartRobotRun(int repeatOption, int repeatTimes, int run, bool engineStopRequested, bool dialogStopRequested)
{
    if (repeatOption == kRepeatUntilEndKey)
        return run == 0 || !engineStopRequested;
    return run < repeatTimes && !dialogStopRequested;
}
