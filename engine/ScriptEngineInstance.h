#pragma once

#include "engine/CMarionet_Script.h"
#include "engine/CMarionet_ScriptFile.h"

// The program's one script store and one interpreter, made during start-up.
// The program binds the built-ins (InstallScriptBuiltins) before a run.
extern CMarionet_ScriptFile g_ScriptFile;
extern CMarionet_Script g_Script;
