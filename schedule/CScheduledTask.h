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

    void SetApplicationName(const char* path) { m_strApplicationName = path; }
    void SetParameters(const char* parameters) { m_strParameters = parameters; }
    void SetWorkingDirectory(const char* directory) { m_strWorkingDirectory = directory; }
    void SetAccountName(const char* account) { m_strAccountName = account; }
    void SetPassword(const char* password) { m_strPassword = password; }
    void SetComment(const char* comment) { m_strComment = comment; }
    void SetFlags(DWORD flags) { m_dwFlags = flags; }
    void SetPriority(DWORD priority) { m_dwPriority = priority; }
    void SetMaxRunTime(DWORD milliseconds) { m_dwMaxRunTime = milliseconds; }
    void SetIdleWait(WORD idleMinutes, WORD deadlineMinutes);
    void AddTrigger(const TASK_TRIGGER& trigger);

    CString GetName() const { return m_strJobName; }
    CString GetApplicationName() const { return m_strApplicationName; }
    CString GetParameters() const { return m_strParameters; }
    CString GetWorkingDirectory() const { return m_strWorkingDirectory; }
    CString GetAccountName() const { return m_strAccountName; }
    CString GetComment() const { return m_strComment; }
    DWORD GetFlags() const { return m_dwFlags; }
    DWORD GetPriority() const { return m_dwPriority; }
    DWORD GetMaxRunTime() const { return m_dwMaxRunTime; }
    BOOL IsLoaded() const { return m_bLoaded; }
    int GetTriggerCount() const { return m_Triggers.GetCount(); }
    // position from 0 to GetTriggerCount() - 1
    TASK_TRIGGER GetTrigger(int position) const;

    // Writes this object as the job of that name. An existing job is replaced
    // unless failIfExists is set; when the replacement cannot be completed the
    // old job is written back (one under another account with an empty
    // password) and the replacement's failure returned. When the write-back
    // fails too, the old job is lost: a diagnostic line gives both failures and
    // the write-back's is returned. With an empty account and useAccount FALSE
    // the job runs as the current user, only while that user is logged on.
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
    // Saves previous, the copy of a job that a failed replacement deleted,
    // again under its name.
    virtual HRESULT WriteBack(CScheduledTask& previous, const char* jobName);

private:
    HRESULT CreateJob(ITaskScheduler* scheduler, const wchar_t* serviceName, BOOL useAccount);
    HRESULT WriteAccount(ITask* job, BOOL useAccount);
    HRESULT WriteTriggers(ITask* job) const;
    HRESULT ReadJob(ITask* job);
    HRESULT ReadTriggers(ITask* job);
    using RunTimeQuery = HRESULT (STDMETHODCALLTYPE IScheduledWorkItem::*)(SYSTEMTIME*);
    SYSTEMTIME ReadRunTime(RunTimeQuery query) const;

    BOOL m_bLoaded;
    CString m_strJobName;
    CString m_strApplicationName;
    CString m_strParameters;
    CString m_strWorkingDirectory;
    CString m_strAccountName;
    CString m_strPassword;
    CString m_strComment;
    DWORD m_dwFlags;
    DWORD m_dwPriority;
    DWORD m_dwMaxRunTime;
    WORD m_nIdleMinutes;
    WORD m_nIdleDeadline;
    CList<TASK_TRIGGER> m_Triggers;
    BOOL m_bNtFamily;
};
