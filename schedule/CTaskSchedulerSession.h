#pragma once

#include <windows.h>
#include <mstask.h>

#include "framework/ComHolder.h"

// One scheduler operation's use of COM: initialises COM for the calling
// thread and connects to the service on construction, lets go of both on
// destruction. No interface outlives the operation that opened it.
class CTaskSchedulerSession
{
public:
    CTaskSchedulerSession();
    ~CTaskSchedulerSession();
    CTaskSchedulerSession(const CTaskSchedulerSession&) = delete;
    CTaskSchedulerSession& operator=(const CTaskSchedulerSession&) = delete;

    // S_OK (or S_FALSE) when the service is connected; otherwise the failing code.
    HRESULT GetResult() const { return m_result; }
    bool IsOpen() const { return SUCCEEDED(m_result); }
    ITaskScheduler* GetScheduler() const { return m_scheduler.Get(); }

    // Opens an existing job by name and lets go of the scheduler, which the
    // rest of the operation does not need. A failure to open the job is
    // reported on standard output; a session that is not open gives its own
    // failure.
    HRESULT OpenJob(const char* jobName);
    ITask* GetJob() const { return m_job.Get(); }

private:
    bool m_comInitialised = false;
    HRESULT m_result = E_FAIL;
    CComHolder<ITaskScheduler> m_scheduler;
    CComHolder<ITask> m_job;
};
