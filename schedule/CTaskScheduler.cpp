#include "schedule/CTaskScheduler.h"

#include "framework/CNonCopyable.h"
#include "schedule/CTaskSchedulerSession.h"
#include "schedule/ScheduleText.h"

namespace {
const ULONG namesPerBatch = 5;

// The names of one batch of the service's job listing, freed with the batch.
class CJobNameBatch : private CNonCopyable
{
public:
    ~CJobNameBatch() { Free(); }

    HRESULT Next(IEnumWorkItems* enumerator)
    {
        Free();
        return enumerator->Next(namesPerBatch, &m_pNames, &m_nCount);
    }
    ULONG GetCount() const { return m_pNames ? m_nCount : 0; }
    const wchar_t* GetName(ULONG position) const { return m_pNames[position]; }

private:
    void Free()
    {
        if (!m_pNames)
            return;
        for (ULONG position = 0; position < m_nCount; ++position)
            CoTaskMemFree(m_pNames[position]);
        CoTaskMemFree(m_pNames);
        m_pNames = nullptr;
        m_nCount = 0;
    }

    LPWSTR* m_pNames = nullptr;
    ULONG m_nCount = 0;
};
}  // namespace

CTaskScheduler::CTaskScheduler() : m_Tasks(10) {}

BOOL CTaskScheduler::Enumerate(const char* applicationPath)
{
    m_Tasks.RemoveAll();
    const CString wanted(applicationPath ? applicationPath : "");
    CTaskSchedulerSession session;
    if (!session.IsOpen())
        return FALSE;
    CComHolder<IEnumWorkItems> enumerator;
    if (FAILED(session.GetScheduler()->Enum(enumerator.Out())))
        return FALSE;
    BOOL anyJob = FALSE;
    CJobNameBatch batch;
    while (SUCCEEDED(batch.Next(enumerator.Get())) && batch.GetCount() > 0) {
        anyJob = TRUE;
        for (ULONG position = batch.GetCount(); position-- > 0;) {
            const CScheduledTask task = CScheduledTask::LoadTask(batch.GetName(position));
            if (task.GetApplicationName().CompareNoCase(wanted) == 0)
                m_Tasks.AddTail(task);
        }
    }
    return anyJob;
}

CScheduledTask CTaskScheduler::GetTask(int position) const
{
    return m_Tasks.GetAt(m_Tasks.FindIndex(position));
}

HRESULT CTaskScheduler::DeleteTask(const char* jobName)
{
    if (!jobName || !*jobName)
        return E_FAIL;
    CTaskSchedulerSession session;
    if (!session.IsOpen())
        return session.GetResult();
    return session.GetScheduler()->Delete(ToServiceJobName(jobName).c_str());
}

HRESULT CTaskScheduler::DeleteTask(const CString& jobName)
{
    return DeleteTask(jobName.GetString());
}

HRESULT CTaskScheduler::EditTask(const char* jobName, HWND parent)
{
    CTaskSchedulerSession session;
    const HRESULT result = session.OpenJob(jobName);
    if (FAILED(result))
        return result;
    return session.GetJob()->EditWorkItem(parent, 0);
}
