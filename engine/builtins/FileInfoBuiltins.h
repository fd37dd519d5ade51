#pragma once

#include "engine/CMarionet_Script.h"

// File information by name: times, size, attributes, version, long and short
// names, existence, and the current directory (FILECHANGEDIR).
void RegisterFileInfoBuiltins(CMarionet_Script& engine);
