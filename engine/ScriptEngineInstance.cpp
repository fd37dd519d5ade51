#include "engine/ScriptEngineInstance.h"

// In one file: the interpreter keeps a reference to the store, which must
// be made first.
CMarionet_ScriptFile g_ScriptFile;
CMarionet_Script g_Script(g_ScriptFile);
