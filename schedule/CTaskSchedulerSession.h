#pragma once

#include <windows.h>
#include <mstask.h>

#include "framework/CNonCopyable.h"
#include "framework/ComHolder.h"

// One scheduler operation's use of COM: initialises COM for the calling
// thread and connects to the service on construction, lets go of both on
// destruction. No interface outlives the operation that opened it.
class CTaskSchedulerSession : private CNonCopyable
{
public:
    CTaskSchedulerSession();
    ~CTaskSchedulerSession();

    // S_OK (or S_FALSE) when the service is connected; otherwise the failing code.
    HRESULT GetResult() const { return m_hrResult; }
    bool IsOpen() const { return SUCCEEDED(m_hrResult); }
    ITaskScheduler* GetScheduler() const { return m_Scheduler.Get(); }

    // Opens an existing job by name and lets go of the scheduler, which the
    // rest of the operation does not need. A failure to open the job is
    // reported on standard output; a session that is not open gives its own
    // failure.
    HRESULT OpenJob(const char* jobName);
    ITask* GetJob() const { return m_Job.Get(); }

private:
    bool m_bComInitialised = false;
    HRESULT m_hrResult = E_FAIL;
    CComHolder<ITaskScheduler> m_Scheduler;
    CComHolder<ITask> m_Job;
};
