// Screen pixels in the normalised units of absolute mouse_event moves
// (0 to 65535 across the desktop).
#pragma once

#include <windows.h>

// value × 65535 / (extent − 1) + 1, computed in 64 bits so that coordinates far
// off the screen cannot overflow; the result is clamped to the 32-bit range.
long NormaliseCoordinate(long value, long extent);

// A screen point in normalised units against the desktop window's rectangle.
POINT NormaliseScreenPoint(POINT screen);
