#pragma once

#include "engine/CMarionet_Script.h"

// WinMenuSelectItem, WinGetCaretPos, WinMinimizeAll, WinMinimizeAllUndo and
// ToolTip.
void RegisterWindowShellBuiltins(CMarionet_Script& engine);
