#pragma once

#include "engine/CMarionet_Script.h"

// Window built-ins that act on a found window or report on it: WinExists,
// WinActive, WinActivate, WinSetState/WinShow, WinMove, WinClose, WinKill,
// WinSetTitle, WinSetOnTop and the WinGet* family with ControlGetFocus.
void RegisterWindowBuiltins(CMarionet_Script& engine);
