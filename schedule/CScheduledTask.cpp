#include "schedule/CScheduledTask.h"

#include "schedule/CTaskSchedulerSession.h"
#include "schedule/ScheduleDiagnostic.h"
#include "schedule/ScheduleText.h"

namespace {
const DWORD defaultFlags = TASK_FLAG_DONT_START_IF_ON_BATTERIES | TASK_FLAG_KILL_IF_GOING_ON_BATTERIES;
}  // namespace

CScheduledTask::CScheduledTask() : m_Triggers(10)
{
    Reset();
}

CScheduledTask::CScheduledTask(const char* jobName, BOOL loaded) : m_Triggers(10)
{
    Reset();
    m_strJobName = jobName;
    m_bLoaded = loaded;
}

void CScheduledTask::Reset()
{
    m_bLoaded = FALSE;
    m_strJobName.Empty();
    m_strApplicationName.Empty();
    m_strParameters.Empty();
    m_strWorkingDirectory.Empty();
    m_strAccountName.Empty();
    m_strPassword.Empty();
    m_strComment.Empty();
    m_dwFlags = defaultFlags;
    m_dwPriority = NORMAL_PRIORITY_CLASS;
    m_dwMaxRunTime = 0;
    m_nIdleMinutes = 0;
    m_nIdleDeadline = 0;
    m_Triggers.RemoveAll();
    m_bNtFamily = (GetVersion() & 0x80000000) == 0;
}

void CScheduledTask::SetIdleWait(WORD idleMinutes, WORD deadlineMinutes)
{
    m_nIdleMinutes = idleMinutes;
    m_nIdleDeadline = deadlineMinutes;
}

void CScheduledTask::AddTrigger(const TASK_TRIGGER& trigger)
{
    m_Triggers.AddTail(trigger);
}

TASK_TRIGGER CScheduledTask::GetTrigger(int position) const
{
    return m_Triggers.GetAt(m_Triggers.FindIndex(position));
}

HRESULT CScheduledTask::GetStatus(HRESULT* status) const
{
    CTaskSchedulerSession session;
    const HRESULT result = session.OpenJob(m_strJobName);
    if (FAILED(result))
        return result;
    return session.GetJob()->GetStatus(status);
}

SYSTEMTIME CScheduledTask::GetMostRecentRunTime() const
{
    return ReadRunTime(&IScheduledWorkItem::GetMostRecentRunTime);
}

SYSTEMTIME CScheduledTask::GetNextRunTime() const
{
    return ReadRunTime(&IScheduledWorkItem::GetNextRunTime);
}

SYSTEMTIME CScheduledTask::ReadRunTime(RunTimeQuery query) const
{
    SYSTEMTIME time{};
    if (!m_bLoaded)
        return time;
    CTaskSchedulerSession session;
    if (FAILED(session.OpenJob(m_strJobName)))
        return time;
    if (FAILED((session.GetJob()->*query)(&time)))
        time = SYSTEMTIME{};
    return time;
}

CString CScheduledTask::GetTriggerString(int position) const
{
    if (!m_bLoaded)
        return CString();
    CTaskSchedulerSession session;
    if (FAILED(session.OpenJob(m_strJobName)))
        return CString();
    ITask* job = session.GetJob();
    WORD count = 0;
    HRESULT result = job->GetTriggerCount(&count);
    if (FAILED(result)) {
        PrintScheduleDiagnostic(L"Failed calling ITask::GetTriggerCount; error = 0x%x\n", result);
        return CString();
    }
    if (position < 0 || position >= count)
        return CString();
    CCoTaskText text;
    result = job->GetTriggerString(static_cast<WORD>(position), text.Out());
    if (FAILED(result)) {
        PrintScheduleDiagnostic(L"Failed calling ITask::GetTriggerString; error = 0x%x\n", result);
        return CString();
    }
    return text.ToString();
}
