// A worker thread. Made suspended when asked, so the caller can set m_bAutoDelete before
// it runs; with m_bAutoDelete the object deletes itself when the thread ends.
#pragma once

#include <windows.h>

#include "framework/CNonCopyable.h"

using AFX_THREADPROC = UINT (*)(LPVOID parameter);

class CWinThread : private CNonCopyable
{
public:
    CWinThread(AFX_THREADPROC procedure, LPVOID parameter);
    ~CWinThread();

    DWORD ResumeThread() { return ::ResumeThread(m_hThread); }
    BOOL SetThreadPriority(int priority) { return ::SetThreadPriority(m_hThread, priority); }

    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    BOOL m_bAutoDelete = TRUE;

private:
    friend CWinThread* AfxBeginThread(AFX_THREADPROC, LPVOID, int, UINT, DWORD, LPSECURITY_ATTRIBUTES);
    static unsigned __stdcall Start(void* self);

    AFX_THREADPROC m_fnProcedure;
    LPVOID m_pParameter;
};

// Starts the procedure on a new thread (suspended with CREATE_SUSPENDED); null on failure.
CWinThread* AfxBeginThread(AFX_THREADPROC procedure, LPVOID parameter, int priority = THREAD_PRIORITY_NORMAL,
                           UINT stackSize = 0, DWORD createFlags = 0, LPSECURITY_ATTRIBUTES security = nullptr);
