#pragma once

#include "engine/CMarionet_Script.h"

// Send, and the single-key built-ins of robot lines: KeySend, KeyUp, KeyDown.
void RegisterKeyBuiltins(CMarionet_Script& engine);
