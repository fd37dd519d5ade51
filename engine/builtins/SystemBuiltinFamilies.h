#pragma once

#include "engine/CMarionet_Script.h"

// The families of the system built-ins, each bound by its own file.

// HotKeySet and AdlibEnable.
void RegisterHotkeyBuiltins(CMarionet_Script& engine);
// Timers, Call, Eval, IsDeclared, SetError, Break and UBound.
void RegisterScriptCallBuiltins(CMarionet_Script& engine);
// Environment variables and the clipboard.
void RegisterEnvironmentBuiltins(CMarionet_Script& engine);
// BlockInput, IsAdmin, MemGetStats, MouseGetCursor and UrlDownloadToFile.
void RegisterMachineBuiltins(CMarionet_Script& engine);
// MsgBox, the sounds and the tray balloon.
void RegisterMessageSoundBuiltins(CMarionet_Script& engine);
// The progress and splash windows and the engine window's title.
void RegisterEngineWindowBuiltins(CMarionet_Script& engine);
