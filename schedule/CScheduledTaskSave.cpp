#include "schedule/CScheduledTask.h"

#include "schedule/CTaskSchedulerSession.h"
#include "schedule/ScheduleDiagnostic.h"
#include "schedule/ScheduleText.h"

namespace {
// Some service implementations do not support the priority and idle settings
// of a job; the job still runs with the service's own values.
HRESULT AcceptUnsupported(HRESULT result)
{
    return result == E_NOTIMPL ? S_OK : result;
}

// The service reads a job file when it changes, so a job saved a moment ago
// can still be open there when it is replaced; that passes within moments.
template <class Step>
HRESULT RetryWhileServiceReads(Step step)
{
    const HRESULT sharingViolation = HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION);
    HRESULT result = step();
    for (int attempt = 0; result == sharingViolation && attempt < 40; ++attempt) {
        Sleep(50);
        result = step();
    }
    return result;
}
}  // namespace

HRESULT CScheduledTask::SaveTask(const char* jobName, BOOL failIfExists, BOOL useAccount)
{
    if (!jobName || !*jobName || m_strApplicationName.IsEmpty())
        return E_FAIL;
    CTaskSchedulerSession session;
    if (!session.IsOpen())
        return session.GetResult();
    ITaskScheduler* scheduler = session.GetScheduler();
    const std::wstring serviceName = ToServiceJobName(jobName);

    // The job being replaced is deleted before the new one can be written, so
    // a copy of it is kept to write back if the new one cannot be completed.
    // A job that cannot be copied whole is not replaced. The copy has no
    // password, since the service never gives one back.
    CScheduledTask previous(jobName, TRUE);
    bool replacing = false;
    {
        CComHolder<ITask> existing;
        if (SUCCEEDED(scheduler->Activate(serviceName.c_str(), IID_ITask, existing.OutUnknown()))) {
            if (failIfExists)
                return HRESULT_FROM_WIN32(ERROR_FILE_EXISTS);
            const HRESULT readResult = previous.ReadJob(existing.Get());
            if (FAILED(readResult))
                return readResult;
            replacing = true;
        }
    }
    if (replacing) {
        const HRESULT deleteResult = RetryWhileServiceReads([&] { return scheduler->Delete(serviceName.c_str()); });
        if (FAILED(deleteResult))
            return deleteResult;
    }
    const HRESULT result = CreateJob(scheduler, serviceName.c_str(), useAccount);
    if (SUCCEEDED(result) || !replacing)
        return result;
    // When the old job cannot be written back either, it is gone: that is the
    // failure the caller must hear of.
    const HRESULT writeBackResult = WriteBack(previous, jobName);
    if (SUCCEEDED(writeBackResult))
        return result;
    PrintScheduleDiagnostic(
        L"Failed writing back the replaced job after its replacement failed with 0x%x; error = 0x%x\n", result,
        writeBackResult);
    return writeBackResult;
}

HRESULT CScheduledTask::WriteBack(CScheduledTask& previous, const char* jobName)
{
    return previous.SaveTask(jobName, FALSE, TRUE);
}

HRESULT CScheduledTask::CreateJob(ITaskScheduler* scheduler, const wchar_t* serviceName, BOOL useAccount)
{
    CComHolder<IUnknown> item;
    HRESULT result = scheduler->NewWorkItem(serviceName, CLSID_CTask, IID_ITask, item.Out());
    if (FAILED(result))
        return result;
    CComHolder<ITask> job;
    result = item->QueryInterface(IID_ITask, job.OutVoid());
    item.Release();
    if (FAILED(result))
        return result;
    result = WriteWorkItem(job.Get(), useAccount);
    if (FAILED(result))
        return result;
    CComHolder<IPersistFile> file;
    result = job->QueryInterface(IID_IPersistFile, file.OutVoid());
    if (FAILED(result))
        return result;
    return RetryWhileServiceReads([&] { return file->Save(nullptr, TRUE); });
}

HRESULT CScheduledTask::WriteWorkItem(ITask* job, BOOL useAccount)
{
    HRESULT result = job->SetApplicationName(ToServiceText(m_strApplicationName).c_str());
    if (SUCCEEDED(result) && !m_strParameters.IsEmpty())
        result = job->SetParameters(ToServiceText(m_strParameters).c_str());
    if (SUCCEEDED(result) && !m_strWorkingDirectory.IsEmpty())
        result = job->SetWorkingDirectory(ToServiceText(m_strWorkingDirectory).c_str());
    if (SUCCEEDED(result))
        result = WriteAccount(job, useAccount);
    if (SUCCEEDED(result) && !m_strComment.IsEmpty())
        result = job->SetComment(ToServiceText(m_strComment).c_str());
    if (SUCCEEDED(result))
        result = job->SetFlags(m_dwFlags | (m_bNtFamily ? TASK_FLAG_INTERACTIVE : 0));
    if (SUCCEEDED(result))
        result = AcceptUnsupported(job->SetPriority(m_dwPriority));
    if (SUCCEEDED(result) && m_dwMaxRunTime != 0)
        result = job->SetMaxRunTime(m_dwMaxRunTime);
    if (SUCCEEDED(result) && m_nIdleMinutes != 0)
        result = AcceptUnsupported(job->SetIdleWait(m_nIdleMinutes, m_nIdleDeadline));
    if (SUCCEEDED(result))
        result = WriteTriggers(job);
    return result;
}

HRESULT CScheduledTask::WriteAccount(ITask* job, BOOL useAccount)
{
    if (!m_bNtFamily)
        return S_OK;
    if (!m_strAccountName.IsEmpty()) {
        // A job that runs only while its user is logged on takes no password
        // (a null one). Any other job gets the password it holds: a job under
        // another account that is written back after a failed replacement
        // holds an empty one, as passwords cannot be read back.
        const std::wstring password = ToServiceText(m_strPassword);
        const bool noPassword = m_strPassword.IsEmpty() && (m_dwFlags & TASK_FLAG_RUN_ONLY_IF_LOGGED_ON);
        return job->SetAccountInformation(ToServiceText(m_strAccountName).c_str(),
                                          noPassword ? nullptr : password.c_str());
    }
    if (useAccount)
        return S_OK;
    char user[260];
    DWORD size = sizeof user;
    if (!GetUserNameA(user, &size))
        return HRESULT_FROM_WIN32(GetLastError());
    const HRESULT result = job->SetAccountInformation(ToServiceText(user).c_str(), nullptr);
    if (SUCCEEDED(result))
        m_dwFlags |= TASK_FLAG_RUN_ONLY_IF_LOGGED_ON;
    return result;
}

HRESULT CScheduledTask::WriteTriggers(ITask* job) const
{
    for (POSITION position = m_Triggers.GetHeadPosition(); position;) {
        TASK_TRIGGER trigger = m_Triggers.GetNext(position);
        WORD index = 0;
        CComHolder<ITaskTrigger> handle;
        HRESULT result = job->CreateTrigger(&index, handle.Out());
        if (FAILED(result))
            return result;
        result = handle->SetTrigger(&trigger);
        if (FAILED(result))
            return result;
    }
    return S_OK;
}
