#include "app/RunningInstanceWindow.h"

#include "framework/AfxMessageBox.h"
#include "res/TapforgeResource.h"

#include <cstring>

namespace {

BOOL CALLBACK MatchMainDialog(HWND window, LPARAM found)
{
    char title[64];
    int length = GetWindowTextA(window, title, sizeof title);
    if (length <= 0 || std::strcmp(title, kApplicationTitle) != 0 || !GetDlgItem(window, IDC_ROBOT_LIST))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}  // namespace

HWND FindRunningMainDialog()
{
    HWND found = nullptr;
    EnumWindows(MatchMainDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND WaitForRunningMainDialog(DWORD timeoutMs, DWORD pollMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        HWND window = FindRunningMainDialog();
        if (window || GetTickCount() - start >= timeoutMs)
            return window;
        Sleep(pollMs);
    }
}
