#include "schedule/DeleteScheduledTask.h"

#include "schedule/CTaskScheduler.h"

BOOL DeleteScheduledTask(const char* jobName)
{
    try {
        return CTaskScheduler::DeleteTask(jobName) == S_OK;
    } catch (...) {
        return FALSE;
    }
}
