#pragma once

#include <windows.h>
#include <mstask.h>

#include "schedule/ScheduleAnswers.h"

// The one trigger of a robot's job. Kinds without a date picker start today;
// those without a time picker (system start, log-on) at the hour and minute
// of now.
TASK_TRIGGER BuildScheduleTrigger(const CScheduleAnswers& answers, const SYSTEMTIME& now);
