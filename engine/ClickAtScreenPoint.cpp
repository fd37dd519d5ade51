#include "engine/ClickAtScreenPoint.h"

#include "engine/ScreenNormalise.h"

#include <windows.h>

void ClickAtScreenPoint(int x, int y)
{
    POINT target = NormaliseScreenPoint({x, y});
    mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, static_cast<DWORD>(target.x), static_cast<DWORD>(target.y), 0,
                0);
    Sleep(1);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    Sleep(1);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}
