#include "schedule/CTaskScheduler.h"

#include "schedule/CTaskSchedulerSession.h"
#include "schedule/ScheduleText.h"

namespace {
const ULONG namesPerBatch = 5;

// The names of one batch of the service's job listing, freed with the batch.
class CJobNameBatch
{
public:
    CJobNameBatch() = default;
    ~CJobNameBatch() { Free(); }
    CJobNameBatch(const CJobNameBatch&) = delete;
    CJobNameBatch& operator=(const CJobNameBatch&) = delete;

    HRESULT Next(IEnumWorkItems* enumerator)
    {
        Free();
        return enumerator->Next(namesPerBatch, &m_names, &m_count);
    }
    ULONG GetCount() const { return m_names ? m_count : 0; }
    const wchar_t* GetName(ULONG position) const { return m_names[position]; }

private:
    void Free()
    {
        if (!m_names)
            return;
        for (ULONG position = 0; position < m_count; ++position)
            CoTaskMemFree(m_names[position]);
        CoTaskMemFree(m_names);
        m_names = nullptr;
        m_count = 0;
    }

    LPWSTR* m_names = nullptr;
    ULONG m_count = 0;
};
}  // namespace

CTaskScheduler::CTaskScheduler() : m_tasks(10) {}

BOOL CTaskScheduler::Enumerate(const char* applicationPath)
{
    m_tasks.RemoveAll();
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
                m_tasks.AddTail(task);
        }
    }
    return anyJob;
}

CScheduledTask CTaskScheduler::GetTask(int position) const
{
    return m_tasks.GetAt(m_tasks.FindIndex(position));
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
