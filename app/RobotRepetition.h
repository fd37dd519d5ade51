#pragma once

#include <functional>

// The repetition of one loaded robot, with the engine behind small hooks.
struct RobotRepetitionHooks {
    // One run of the loaded script from its first line.
    std::function<void()> runOnce;
    // The engine's stop flag: set by an end hotkey, a fatal error or a
    // recorded window that never appeared.
    std::function<bool()> engineStopRequested;
    // The main dialog's stop request: set by an end hotkey.
    std::function<bool()> dialogStopRequested;
    // The engine's pump has met WM_QUIT: the program is ending.
    std::function<bool()> quitReceived;
};

// Repeat option 1 runs until the engine's stop flag is set, at least once;
// any other option runs repeatTimes times unless the dialog's stop request
// ends it first (0 or fewer runs nothing). Both loops end as soon as the
// program is quitting. Returns the number of runs.
int RunRobotRepetitions(int repeatOption, int repeatTimes, const RobotRepetitionHooks& hooks);
