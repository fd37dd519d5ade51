#pragma once

#include <windows.h>

// Program-wide values beside the engine object.

// Owner of the engine's message boxes, hotkeys and clipboard calls. No window
// is ever assigned to it, so the boxes have no owner and script hotkeys arrive
// as messages of the thread.
extern HWND EngineWindowHandle;
// Set while a WAITLONG timer is pending; cleared by the timer's callback on
// the multimedia timer thread.
extern volatile BYTE WaitLongBusy;
// The value given to the Exit statement.
extern int ScriptExitCode;
