#pragma once

#include <windows.h>
#include <mstask.h>

#include "framework/CList.h"
#include "framework/CString.h"

// The program's copy of one Task Scheduler job: what it runs, how, as whom and
// when. It saves itself as a job, is loaded from an existing one and asks the
// service about the job's status and run times.
class CScheduledTask
{
public:
    CScheduledTask();
    CScheduledTask(const char* jobName, BOOL loaded);
    CScheduledTask(const CScheduledTask& other) = default;
    CScheduledTask& operator=(const CScheduledTask& other) = default;
    virtual ~CScheduledTask() = default;

    void Reset();

    void SetApplicationName(const char* path);
    void SetParameters(const char* parameters);
    void SetWorkingDirectory(const char* directory);
    void SetAccountName(const char* account);
    void SetPassword(const char* password);
    void SetComment(const char* comment);
    void SetFlags(DWORD flags) { m_flags = flags; }
    void SetPriority(DWORD priority) { m_priority = priority; }
    void SetMaxRunTime(DWORD milliseconds) { m_maxRunTime = milliseconds; }
    void SetIdleWait(WORD idleMinutes, WORD deadlineMinutes);
    void AddTrigger(const TASK_TRIGGER& trigger);

    CString GetName() const { return m_jobName; }
    CString GetApplicationName() const { return m_applicationName; }
    CString GetParameters() const { return m_parameters; }
    CString GetWorkingDirectory() const { return m_workingDirectory; }
    CString GetAccountName() const { return m_accountName; }
    CString GetComment() const { return m_comment; }
    DWORD GetFlags() const { return m_flags; }
    DWORD GetPriority() const { return m_priority; }
    DWORD GetMaxRunTime() const { return m_maxRunTime; }
    BOOL IsLoaded() const { return m_loaded; }
    int GetTriggerCount() const { return m_triggers.GetCount(); }
    // position from 0 to GetTriggerCount() - 1
    TASK_TRIGGER GetTrigger(int position) const;

    // Writes this object as the job of that name. An existing job is replaced
    // unless failIfExists is set; when the replacement cannot be completed the
    // old job is written back. With an empty account and useAccount FALSE the
    // job runs as the current user, only while that user is logged on.
    HRESULT SaveTask(const char* jobName, BOOL failIfExists, BOOL useAccount);

    // The existing job of that name; fields the service could not give keep
    // their defaults.
    static CScheduledTask LoadTask(const wchar_t* jobName);
    static CScheduledTask LoadTask(const char* jobName);

    HRESULT GetStatus(HRESULT* status) const;
    SYSTEMTIME GetMostRecentRunTime() const;
    SYSTEMTIME GetNextRunTime() const;
    CString GetTriggerString(int position) const;

protected:
    // Writes every setting and trigger of this object into a new, not yet
    // saved work item.
    virtual HRESULT WriteWorkItem(ITask* job, BOOL useAccount);

private:
    HRESULT CreateJob(ITaskScheduler* scheduler, const wchar_t* serviceName, BOOL useAccount);
    HRESULT WriteAccount(ITask* job, BOOL useAccount);
    HRESULT WriteTriggers(ITask* job) const;
    HRESULT ReadJob(ITask* job);
    HRESULT ReadTriggers(ITask* job);
    using RunTimeQuery = HRESULT (STDMETHODCALLTYPE IScheduledWorkItem::*)(SYSTEMTIME*);
    SYSTEMTIME ReadRunTime(RunTimeQuery query) const;

    BOOL m_loaded;
    CString m_jobName;
    CString m_applicationName;
    CString m_parameters;
    CString m_workingDirectory;
    CString m_accountName;
    CString m_password;
    CString m_comment;
    DWORD m_flags;
    DWORD m_priority;
    DWORD m_maxRunTime;
    WORD m_idleMinutes;
    WORD m_idleDeadline;
    CList<TASK_TRIGGER> m_triggers;
    BOOL m_ntFamily;
};
