// While a window of ours is being created, a creation hook binds the first window the
// thread creates to the object, before its first message, so that even WM_NCCREATE and
// a dialog's WM_INITDIALOG reach the object's message map.
#pragma once

#include <windows.h>

#include "framework/CNonCopyable.h"

class CWnd;

class CWndCreationHook : private CNonCopyable
{
public:
    explicit CWndCreationHook(CWnd* window);
    ~CWndCreationHook();

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);

    HHOOK m_hHook;
    CWnd* m_pOuterPending;
};
