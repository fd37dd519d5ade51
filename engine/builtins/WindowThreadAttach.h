// Shares the input state of the calling thread with a window's thread for the
// length of a scope, so that SetFocus, GetFocus, GetCaretPos and SetActiveWindow
// act on the other program; every way out of the scope detaches again.
#pragma once

#include "engine/system/SystemWindows.h"
#include "framework/CNonCopyable.h"

class CWindowThreadAttach : private CNonCopyable
{
public:
    explicit CWindowThreadAttach(HWND window) : m_bAnswers(!IsWindowHung(window))
    {
        if (m_bAnswers)
            AttachToWindowThread(window, true);
    }
    ~CWindowThreadAttach() { AttachToWindowThread(nullptr, false); }

    // False for a window that did not answer: it is not attached, and the
    // built-in gives its result for a window it cannot read or change rather
    // than send to it and wait for good.
    bool Answers() const { return m_bAnswers; }

private:
    bool m_bAnswers;
};
