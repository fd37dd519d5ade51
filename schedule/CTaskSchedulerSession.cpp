#include "schedule/CTaskSchedulerSession.h"

#include "schedule/ScheduleDiagnostic.h"
#include "schedule/ScheduleText.h"

CTaskSchedulerSession::CTaskSchedulerSession()
{
    m_hrResult = CoInitialize(nullptr);
    if (FAILED(m_hrResult))
        return;
    m_bComInitialised = true;
    m_hrResult = CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskScheduler,
                                  m_Scheduler.OutVoid());
}

CTaskSchedulerSession::~CTaskSchedulerSession()
{
    m_Job.Release();
    m_Scheduler.Release();
    if (m_bComInitialised)
        CoUninitialize();
}

HRESULT CTaskSchedulerSession::OpenJob(const char* jobName)
{
    if (!m_Scheduler)
        return FAILED(m_hrResult) ? m_hrResult : E_FAIL;
    const std::wstring name = ToServiceJobName(jobName);
    const HRESULT result = m_Scheduler->Activate(name.c_str(), IID_ITask, m_Job.OutUnknown());
    m_Scheduler.Release();
    if (FAILED(result))
        PrintScheduleDiagnostic(L"Failed calling ITaskScheduler::Activate; error = 0x%x\n", result);
    return result;
}
