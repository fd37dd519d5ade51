#pragma once

#include "engine/CMarionet_Script.h"

// DIRCREATE, DIRREMOVE, DIRCOPY and DIRMOVE: directory trees by name.
void RegisterDirectoryBuiltins(CMarionet_Script& engine);
