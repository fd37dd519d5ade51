#pragma once

#include "engine/CMarionet_Script.h"

// Binds the handlers of the built-in families that exist to the engine's
// table (every other built-in keeps the handler that stops the script with
// its name) and installs the engine's hooks into this layer. Installing again
// on the same engine starts from an empty table.
void InstallScriptBuiltins(CMarionet_Script& engine);
