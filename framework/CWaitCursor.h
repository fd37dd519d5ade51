#pragma once

#include <windows.h>

#include "framework/CNonCopyable.h"

// Shows the wait cursor while it lives, then the cursor that was there before.
class CWaitCursor : private CNonCopyable
{
public:
    CWaitCursor() : m_hPrevious(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { ::SetCursor(m_hPrevious); }

private:
    HCURSOR m_hPrevious;
};
