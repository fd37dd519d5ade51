#include "app/ScriptEngineObjects.h"

namespace {

// Made before the program's entry point runs and gone after it returns, in
// reverse order, as the program's other global objects.
CMarionet_ScriptFile g_scriptFile;
CMarionet_Script g_scriptEngine(g_scriptFile);

}  // namespace

CMarionet_ScriptFile& TheScriptFile()
{
    return g_scriptFile;
}

CMarionet_Script& TheScriptEngine()
{
    return g_scriptEngine;
}
