// Absolute mouse motion in the normalised units of mouse_event (0 to 65535
// across the desktop): single jumps and the stepped glide of the mouse built-ins.
#pragma once

#include "engine/ScreenNormalise.h"

// One absolute move to a normalised point.
void JumpMouseTo(POINT normalised);

// Waits (at most 30 ms) until the cursor has reached the screen point, or the
// screen's edge on the way to it, and places the pointer there. Some systems
// apply a synthesised move only after the call returns, or to their cursor
// record only; a click right after the move must not land at the old position.
void WaitForCursorAt(POINT screen);

// Steps from one normalised point to another: each axis moves by
// (distance / speed), at least 32 units, clamped at the target, one move and a
// 20 ms pause per step.
void GlideMouse(POINT from, POINT to, int speed);
