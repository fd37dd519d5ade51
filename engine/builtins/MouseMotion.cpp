#include "engine/builtins/MouseMotion.h"

#include "engine/system/PreciseSleep.h"

#include <algorithm>
#include <cstdlib>

namespace {

const long kMinimumStep = 32;
const int kGlidePauseMs = 20;
const DWORD kCursorWaitMs = 30;

long StepToward(long current, long target, int speed)
{
    if (current < target) {
        long step = (target - current) / speed;
        if (step < kMinimumStep)
            step = kMinimumStep;
        return current + step > target ? target : current + step;
    }
    if (current > target) {
        long step = (current - target) / speed;
        if (step < kMinimumStep)
            step = kMinimumStep;
        return current - step < target ? target : current - step;
    }
    return current;
}

}  // namespace

void JumpMouseTo(POINT normalised)
{
    mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, static_cast<DWORD>(normalised.x),
                static_cast<DWORD>(normalised.y), 0, 0);
}

void WaitForCursorAt(POINT screen)
{
    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    long x = std::clamp(screen.x, desktop.left, desktop.right - 1);
    long y = std::clamp(screen.y, desktop.top, desktop.bottom - 1);
    auto arrived = [x, y]() {
        POINT cursor;
        return !GetCursorPos(&cursor) || (std::labs(cursor.x - x) <= 1 && std::labs(cursor.y - y) <= 1);
    };
    DWORD start = GetTickCount();
    while (!arrived() && GetTickCount() - start < kCursorWaitMs)
        Sleep(1);
    // Where a synthesised move reaches only the system's cursor record and not
    // the pointer device itself, the device's next report would put the
    // cursor back; placing the pointer too keeps it where the move went.
    SetCursorPos(x, y);
}

void GlideMouse(POINT from, POINT to, int speed)
{
    POINT at = from;
    while (at.x != to.x || at.y != to.y) {
        at.x = StepToward(at.x, to.x, speed);
        at.y = StepToward(at.y, to.y, speed);
        JumpMouseTo(at);
        PreciseSleep(kGlidePauseMs);
    }
}
