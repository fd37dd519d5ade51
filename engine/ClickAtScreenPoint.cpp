#include "engine/ClickAtScreenPoint.h"

#include <windows.h>

void ClickAtScreenPoint(int x, int y)
{
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    const int width = desktop.right > 1 ? desktop.right - 1 : 1;
    const int height = desktop.bottom > 1 ? desktop.bottom - 1 : 1;
    mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x * 65535 / width + 1, y * 65535 / height + 1, 0, 0);
    Sleep(1);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    Sleep(1);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}
