#pragma once

#include <windows.h>

#include "framework/CList.h"
#include "framework/CString.h"
#include "schedule/CScheduledTask.h"

// The Task Scheduler jobs that run one program, and the operations on a job by
// its name.
class CTaskScheduler
{
public:
    CTaskScheduler();

    // Lists every job whose application path equals the given one, without
    // regard to case. FALSE when the service could not be asked or holds no
    // job at all; TRUE otherwise, even when none of its jobs matched.
    BOOL Enumerate(const char* applicationPath);
    int GetCount() const { return m_Tasks.GetCount(); }
    // position from 0 to GetCount() - 1
    CScheduledTask GetTask(int position) const;

    static HRESULT DeleteTask(const char* jobName);
    static HRESULT DeleteTask(const CString& jobName);
    // Shows the service's own property sheet for the job, modal over parent.
    static HRESULT EditTask(const char* jobName, HWND parent);

private:
    CList<CScheduledTask> m_Tasks;
};
