#include "engine/builtins/MouseMotion.h"

#include "engine/PreciseSleep.h"

#include <climits>

namespace {

const long kMinimumStep = 32;
const int kGlidePauseMs = 20;

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

long NormaliseCoordinate(long value, long extent)
{
    long long divisor = extent > 1 ? extent - 1 : 1;
    long long scaled = static_cast<long long>(value) * 65535 / divisor + 1;
    if (scaled > LONG_MAX)
        return LONG_MAX;
    if (scaled < LONG_MIN)
        return LONG_MIN;
    return static_cast<long>(scaled);
}

POINT NormaliseScreenPoint(POINT screen)
{
    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    return {NormaliseCoordinate(screen.x, desktop.right), NormaliseCoordinate(screen.y, desktop.bottom)};
}

void JumpMouseTo(POINT normalised)
{
    mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, static_cast<DWORD>(normalised.x),
                static_cast<DWORD>(normalised.y), 0, 0);
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

void ClickAtScreenPoint(int x, int y)
{
    JumpMouseTo(NormaliseScreenPoint({x, y}));
    Sleep(1);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    Sleep(1);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}
