// Input-thread attachments made for the length of an operation. Only the pairs
// that were actually attached are detached, in reverse order.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "framework/CNonCopyable.h"

class CThreadInputLinks : private CNonCopyable
{
public:
    ~CThreadInputLinks() { DetachAll(); }

    // Attaches the input of thread "from" to thread "to"; false (and nothing
    // recorded) when either is 0, both are the same or the system refuses.
    bool Attach(DWORD from, DWORD to);
    void DetachAll();
    bool IsEmpty() const { return m_aLinks.empty(); }

private:
    std::vector<std::pair<DWORD, DWORD>> m_aLinks;
};

// The id of the thread that owns the window; 0 for no window.
DWORD WindowThreadId(HWND window);
