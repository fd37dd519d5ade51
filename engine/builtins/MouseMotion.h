// Absolute mouse motion in the normalised units of mouse_event (0 to 65535
// across the desktop): the conversion from screen pixels, single jumps, the
// stepped glide of the mouse built-ins, and a left click at a screen point.
#pragma once

#include <windows.h>

// value × 65535 / (extent − 1) + 1, computed in 64 bits so that coordinates far
// off the screen cannot overflow; the result is clamped to the 32-bit range.
long NormaliseCoordinate(long value, long extent);

// A screen point in normalised units against the desktop window's rectangle.
POINT NormaliseScreenPoint(POINT screen);

// One absolute move to a normalised point.
void JumpMouseTo(POINT normalised);

// Steps from one normalised point to another: each axis moves by
// (distance / speed), at least 32 units, clamped at the target, one move and a
// 20 ms pause per step.
void GlideMouse(POINT from, POINT to, int speed);

// Moves the cursor to the screen point and clicks the left button there.
void ClickAtScreenPoint(int x, int y);
