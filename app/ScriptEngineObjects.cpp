#include "app/ScriptEngineObjects.h"

#include "engine/ScriptEngineInstance.h"
#include "engine/builtins/BuiltinRegistry.h"

CMarionet_ScriptFile& TheScriptFile()
{
    return g_ScriptFile;
}

CMarionet_Script& TheScriptEngine()
{
    // Bound on first use: the engine object lives in another library, whose
    // globals may be made after this file's.
    static const bool bound = (InstallScriptBuiltins(g_Script), true);
    (void)bound;
    return g_Script;
}
