#include "schedule/CTaskSchedulerSession.h"

#include "schedule/ScheduleDiagnostic.h"
#include "schedule/ScheduleText.h"

CTaskSchedulerSession::CTaskSchedulerSession()
{
    m_result = CoInitialize(nullptr);
    if (FAILED(m_result))
        return;
    m_comInitialised = true;
    m_result = CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskScheduler,
                                m_scheduler.OutVoid());
}

CTaskSchedulerSession::~CTaskSchedulerSession()
{
    m_job.Release();
    m_scheduler.Release();
    if (m_comInitialised)
        CoUninitialize();
}

HRESULT CTaskSchedulerSession::OpenJob(const char* jobName)
{
    if (!m_scheduler)
        return FAILED(m_result) ? m_result : E_FAIL;
    const std::wstring name = ToServiceJobName(jobName);
    const HRESULT result = m_scheduler->Activate(name.c_str(), IID_ITask, m_job.OutUnknown());
    m_scheduler.Release();
    if (FAILED(result))
        PrintScheduleDiagnostic(L"Failed calling ITaskScheduler::Activate; error = 0x%x\n", result);
    return result;
}
