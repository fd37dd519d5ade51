// A date and time picker.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/CWnd.h"

class CDateTimeCtrl : public CWnd
{
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CreateEx(0, DATETIMEPICK_CLASSA, "", style | WS_CHILD, rect, parent, id);
    }
    // GDT_VALID when the control holds a time.
    DWORD GetTime(SYSTEMTIME* time) const
    {
        return static_cast<DWORD>(SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(time)));
    }
    BOOL SetTime(const SYSTEMTIME* time)
    {
        return static_cast<BOOL>(SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(time)));
    }
    BOOL SetFormat(const char* format)
    {
        return static_cast<BOOL>(SendMessage(DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(format)));
    }
};
