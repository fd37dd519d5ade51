#pragma once

#include "engine/CMarionet_Script.h"

// REGREAD, REGWRITE, REGDELETE, REGENUMKEY and REGENUMVAL, on this computer
// or, with a "\\computer\" path, on another.
void RegisterRegistryBuiltins(CMarionet_Script& engine);
