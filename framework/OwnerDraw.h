// A control that draws its own items takes WM_DRAWITEM when its parent reflects it.
#pragma once

#include <windows.h>

template <class Control>
BOOL DrawReflectedItem(Control& control, UINT message, LPARAM lParam, LRESULT* result)
{
    if (message != WM_DRAWITEM)
        return FALSE;
    control.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (result)
        *result = TRUE;
    return TRUE;
}
