#pragma once

#include <functional>

class CMarionet_Script;
class CRobot;

enum ERobotRunOutcome
{
    ROBOT_RUNS_ENDED = 0,  // every run ended normally (also by a stop)
    ROBOT_RUN_FAILED = 1,  // a run, or the check before the runs, ended in a fatal error
    ROBOT_NOT_LOADED = 2   // the robot file could not be loaded
};

// A robot's whole run sequence, as the program runs it: the speed mode, the
// load of the robot file into the engine's script store, the check of the
// script, the run-in-background flag and cursor position, the recorded-window
// options, the runs from line 1 and the unload. shouldRun(n) is asked before
// run n (counted from 0) and decides the repetitions.
int RunRobotSequence(CMarionet_Script& engine, const CRobot& robot, const char* pszPath,
                     const std::function<bool(int)>& shouldRun);
