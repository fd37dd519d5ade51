#pragma once

#include "engine/CMarionet_Script.h"

// FILECOPY, FILEMOVE, FILEINSTALL, FILEDELETE, FILERECYCLE and
// FILERECYCLEEMPTY: files by name and wildcard.
void RegisterFileOperationBuiltins(CMarionet_Script& engine);
