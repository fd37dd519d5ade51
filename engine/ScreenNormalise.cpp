#include "engine/ScreenNormalise.h"

#include <climits>

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
