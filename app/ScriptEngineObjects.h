#pragma once

#include "engine/CMarionet_Script.h"
#include "engine/CMarionet_ScriptFile.h"

// The one script store and the one engine of the program: one run at a time.
CMarionet_ScriptFile& TheScriptFile();
CMarionet_Script& TheScriptEngine();
