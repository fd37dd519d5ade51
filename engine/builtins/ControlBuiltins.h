#pragma once

#include "engine/CMarionet_Script.h"

// ControlClick, ControlSend, ControlSetText, ControlGetText, ControlFocus,
// ControlGetPos, ControlMove, ControlEnable/Disable, ControlShow/Hide and
// StatusBarGetText.
void RegisterControlBuiltins(CMarionet_Script& engine);
