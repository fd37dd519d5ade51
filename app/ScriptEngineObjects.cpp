#include "app/ScriptEngineObjects.h"

#include "engine/builtins/BuiltinRegistry.h"

namespace {

// The store and the engine with its built-in functions, made before the
// program's entry point runs and gone after it returns.
struct ScriptEngineObjects {
    CMarionet_ScriptFile scriptFile;
    CMarionet_Script engine{scriptFile};

    ScriptEngineObjects() { InstallScriptBuiltins(engine); }
};

ScriptEngineObjects g_objects;

}  // namespace

CMarionet_ScriptFile& TheScriptFile()
{
    return g_objects.scriptFile;
}

CMarionet_Script& TheScriptEngine()
{
    return g_objects.engine;
}
