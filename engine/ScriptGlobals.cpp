#include "engine/ScriptGlobals.h"

HWND EngineWindowHandle = nullptr;
volatile BYTE WaitLongBusy = 0;
int ScriptExitCode = 0;
