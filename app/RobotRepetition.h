#pragma once

// Whether run number `run` (counted from 0) of a loaded robot starts.
// Repeat option 1 runs until the engine's stop flag is set (by an end hotkey,
// a fatal error or a recorded window that never appeared), at least once; any
// other option runs repeatTimes times (0 or fewer: none) unless the dialog's
// stop request, set only by an end hotkey, ends it first. The engine ends
// either loop itself once its pump has met WM_QUIT.
bool ShouldStartRobotRun(int repeatOption, int repeatTimes, int run, bool engineStopRequested,
                         bool dialogStopRequested);
