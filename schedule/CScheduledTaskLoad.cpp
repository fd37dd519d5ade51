#include "schedule/CScheduledTask.h"

#include "schedule/CTaskSchedulerSession.h"
#include "schedule/ScheduleDiagnostic.h"
#include "schedule/ScheduleText.h"

CScheduledTask CScheduledTask::LoadTask(const wchar_t* jobName)
{
    CScheduledTask task(FromServiceText(jobName), TRUE);
    CTaskSchedulerSession session;
    if (SUCCEEDED(session.OpenJob(task.m_strJobName)))
        task.ReadJob(session.GetJob());
    return task;
}

CScheduledTask CScheduledTask::LoadTask(const char* jobName)
{
    return LoadTask(ToServiceText(jobName).c_str());
}

HRESULT CScheduledTask::ReadJob(ITask* job)
{
    CCoTaskText application, comment, account, parameters, directory;
    if (SUCCEEDED(job->GetApplicationName(application.Out())))
        m_strApplicationName = application.ToString();
    if (SUCCEEDED(job->GetComment(comment.Out())))
        m_strComment = comment.ToString();
    if (SUCCEEDED(job->GetAccountInformation(account.Out())) && !account.IsNull())
        m_strAccountName = account.ToString();
    if (SUCCEEDED(job->GetParameters(parameters.Out())))
        m_strParameters = parameters.ToString();
    if (SUCCEEDED(job->GetWorkingDirectory(directory.Out())))
        m_strWorkingDirectory = directory.ToString();
    DWORD value = 0;
    if (SUCCEEDED(job->GetFlags(&value)))
        m_dwFlags = value;
    if (SUCCEEDED(job->GetPriority(&value)))
        m_dwPriority = value;
    if (SUCCEEDED(job->GetMaxRunTime(&value)))
        m_dwMaxRunTime = value;
    WORD idleMinutes = 0;
    WORD idleDeadline = 0;
    if (SUCCEEDED(job->GetIdleWait(&idleMinutes, &idleDeadline)))
        SetIdleWait(idleMinutes, idleDeadline);
    return ReadTriggers(job);
}

HRESULT CScheduledTask::ReadTriggers(ITask* job)
{
    WORD count = 0;
    HRESULT result = job->GetTriggerCount(&count);
    if (FAILED(result)) {
        PrintScheduleDiagnostic(L"Failed calling ITask::GetTriggerCount");
        return result;
    }
    for (WORD position = 0; position < count; ++position) {
        CComHolder<ITaskTrigger> handle;
        result = job->GetTrigger(position, handle.Out());
        if (FAILED(result)) {
            PrintScheduleDiagnostic(L"Failed calling ITask::GetTrigger");
            return result;
        }
        TASK_TRIGGER trigger{};
        trigger.cbTriggerSize = sizeof(TASK_TRIGGER);
        result = handle ? handle->GetTrigger(&trigger) : E_POINTER;
        if (FAILED(result)) {
            PrintScheduleDiagnostic(L"Failed calling ITaskTrigger::GetTrigger");
            return result;
        }
        AddTrigger(trigger);
    }
    return S_OK;
}
