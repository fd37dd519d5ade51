#pragma once

#include "framework/CString.h"

#include <windows.h>

class CTaskScheduler;

// What the dialog of a robot's scheduled job shows.
struct CRobotJobTexts
{
    CString description;
    CString lastRun;
    CString nextRun;
    CString jobName;
};

// A run time as the service reports it (local time) in the form
// "Sunday, May 17, 2031  09:45:00"; "Never" when the year is before 1900,
// which is how the service says there is none, or the time is no real date.
CString FormatJobRunTime(const SYSTEMTIME& time);

// Whether a job's parameters name the robot: past the three characters of
// "-a ", the rest equals the name without regard to case.
bool JobParametersNameRobot(const CString& parameters, const CString& robotName);

// The next-run text of a job whose first trigger has that text: start-up and
// log-on triggers have no time of their own.
CString NextRunTextForTrigger(const CString& triggerText, const CString& nextRun);

// Looks through the listed jobs, in list order, for the first whose
// parameters name the robot and fills the texts from it. A job that cannot be
// read is skipped.
bool FindRobotJob(const CTaskScheduler& scheduler, const CString& robotName, CRobotJobTexts& texts);
