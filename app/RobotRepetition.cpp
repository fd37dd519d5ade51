#include "app/RobotRepetition.h"

namespace {

const int kRepeatUntilEndKey = 1;

}  // namespace

int RunRobotRepetitions(int repeatOption, int repeatTimes, const RobotRepetitionHooks& hooks)
{
    int runs = 0;
    if (repeatOption == kRepeatUntilEndKey) {
        do {
            hooks.runOnce();
            ++runs;
        } while (!hooks.engineStopRequested() && !hooks.quitReceived());
        return runs;
    }
    for (int i = 0; i < repeatTimes; ++i) {
        if (hooks.dialogStopRequested() || hooks.quitReceived())
            break;
        hooks.runOnce();
        ++runs;
    }
    return runs;
}
