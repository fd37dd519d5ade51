#include "framework/CWinThread.h"

#include <process.h>

CWinThread::CWinThread(AFX_THREADPROC procedure, LPVOID parameter) : m_fnProcedure(procedure), m_pParameter(parameter)
{
}

CWinThread::~CWinThread()
{
    if (m_hThread)
        ::CloseHandle(m_hThread);
}

unsigned __stdcall CWinThread::Start(void* self)
{
    auto* thread = static_cast<CWinThread*>(self);
    const UINT result = thread->m_fnProcedure(thread->m_pParameter);
    if (thread->m_bAutoDelete)
        delete thread;
    return result;
}

CWinThread* AfxBeginThread(AFX_THREADPROC procedure, LPVOID parameter, int priority, UINT stackSize, DWORD createFlags,
                           LPSECURITY_ATTRIBUTES security)
{
    auto* thread = new CWinThread(procedure, parameter);
    unsigned id = 0;
    // Always start suspended: the priority is set before the thread runs.
    const uintptr_t handle = _beginthreadex(security, stackSize, &CWinThread::Start, thread, CREATE_SUSPENDED, &id);
    if (!handle) {
        delete thread;
        return nullptr;
    }
    thread->m_hThread = reinterpret_cast<HANDLE>(handle);
    thread->m_nThreadID = id;
    thread->SetThreadPriority(priority);
    if (!(createFlags & CREATE_SUSPENDED))
        thread->ResumeThread();
    return thread;
}
