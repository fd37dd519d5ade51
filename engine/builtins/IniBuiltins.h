#pragma once

#include "engine/CMarionet_Script.h"

// INIREAD, INIWRITE and INIDELETE: keys of INI files by name.
void RegisterIniBuiltins(CMarionet_Script& engine);
