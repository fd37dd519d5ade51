#include "framework/CButton.h"

#include "framework/OwnerDraw.h"

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return DrawReflectedItem(*this, message, lParam, result) || CWnd::OnChildNotify(message, wParam, lParam, result);
}
