#include "schedule/CScheduledTask.h"

#include "schedule/CTaskSchedulerSession.h"
#include "schedule/ScheduleDiagnostic.h"
#include "schedule/ScheduleText.h"

namespace {
const DWORD defaultFlags = TASK_FLAG_DONT_START_IF_ON_BATTERIES | TASK_FLAG_KILL_IF_GOING_ON_BATTERIES;

CString TextOrEmpty(const char* text)
{
    return CString(text ? text : "");
}
}  // namespace

CScheduledTask::CScheduledTask() : m_triggers(10)
{
    Reset();
}

CScheduledTask::CScheduledTask(const char* jobName, BOOL loaded) : m_triggers(10)
{
    Reset();
    m_jobName = TextOrEmpty(jobName);
    m_loaded = loaded;
}

void CScheduledTask::Reset()
{
    m_loaded = FALSE;
    m_jobName.Empty();
    m_applicationName.Empty();
    m_parameters.Empty();
    m_workingDirectory.Empty();
    m_accountName.Empty();
    m_password.Empty();
    m_comment.Empty();
    m_flags = defaultFlags;
    m_priority = NORMAL_PRIORITY_CLASS;
    m_maxRunTime = 0;
    m_idleMinutes = 0;
    m_idleDeadline = 0;
    m_triggers.RemoveAll();
    m_ntFamily = (GetVersion() & 0x80000000) == 0;
}

void CScheduledTask::SetApplicationName(const char* path)
{
    m_applicationName = TextOrEmpty(path);
}

void CScheduledTask::SetParameters(const char* parameters)
{
    m_parameters = TextOrEmpty(parameters);
}

void CScheduledTask::SetWorkingDirectory(const char* directory)
{
    m_workingDirectory = TextOrEmpty(directory);
}

void CScheduledTask::SetAccountName(const char* account)
{
    m_accountName = TextOrEmpty(account);
}

void CScheduledTask::SetPassword(const char* password)
{
    m_password = TextOrEmpty(password);
}

void CScheduledTask::SetComment(const char* comment)
{
    m_comment = TextOrEmpty(comment);
}

void CScheduledTask::SetIdleWait(WORD idleMinutes, WORD deadlineMinutes)
{
    m_idleMinutes = idleMinutes;
    m_idleDeadline = deadlineMinutes;
}

void CScheduledTask::AddTrigger(const TASK_TRIGGER& trigger)
{
    m_triggers.AddTail(trigger);
}

TASK_TRIGGER CScheduledTask::GetTrigger(int position) const
{
    return m_triggers.GetAt(m_triggers.FindIndex(position));
}

HRESULT CScheduledTask::GetStatus(HRESULT* status) const
{
    CTaskSchedulerSession session;
    const HRESULT result = session.OpenJob(m_jobName);
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
    if (!m_loaded)
        return time;
    CTaskSchedulerSession session;
    if (FAILED(session.OpenJob(m_jobName)))
        return time;
    if (FAILED((session.GetJob()->*query)(&time)))
        time = SYSTEMTIME{};
    return time;
}

CString CScheduledTask::GetTriggerString(int position) const
{
    if (!m_loaded)
        return CString();
    CTaskSchedulerSession session;
    if (FAILED(session.OpenJob(m_jobName)))
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
