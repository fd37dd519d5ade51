#pragma once

#include "engine/CMarionet_Script.h"

// FILESELECTFOLDER, FILEOPENDIALOG and FILESAVEDIALOG, through the
// replaceable dialog calls of engine/system/FileDialogCalls.h.
void RegisterFileDialogBuiltins(CMarionet_Script& engine);
