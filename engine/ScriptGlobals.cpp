#include "engine/ScriptGlobals.h"

HWND EngineWindowHandle = nullptr;
std::atomic<BYTE> WaitLongBusy{0};
int ScriptExitCode = 0;
