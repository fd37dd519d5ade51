#pragma once

#include "engine/CMarionet_Script.h"

// MouseClick, MouseDoubleClick, MouseClickDrag, MouseDown, MouseUp,
// MouseWheel, MouseMove, MouseRelativeMove and MouseGetPos.
void RegisterMouseBuiltins(CMarionet_Script& engine);
