#pragma once

#include <windows.h>

// TRUE only when the job of that name was deleted; any failure, thrown ones
// included, gives FALSE.
BOOL DeleteScheduledTask(const char* jobName);
