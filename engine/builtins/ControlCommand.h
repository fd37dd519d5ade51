#pragma once

#include "engine/CMarionet_Script.h"

// ControlCommand and its 22 sub-commands on tabs, combo and list boxes,
// buttons and edits.
void RegisterControlCommand(CMarionet_Script& engine);
