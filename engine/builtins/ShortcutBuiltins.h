#pragma once

#include "engine/CMarionet_Script.h"

// FILECREATESHORTCUT and FILEGETSHORTCUT: shell links by name.
void RegisterShortcutBuiltins(CMarionet_Script& engine);
