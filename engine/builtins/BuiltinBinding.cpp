#include "engine/builtins/BuiltinBinding.h"

#include "engine/ScriptBuiltinNames.h"

#include <cassert>
#include <cstring>

void BindBuiltins(CMarionet_Script& engine, const BuiltinBinding* bindings, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
    {
        const char* name = bindings[i].m_pName;
        const int index = FindScriptBuiltin(name, static_cast<int>(std::strlen(name)));
        assert(index >= 0);
        if (index >= 0)
            engine.SetBuiltinHandler(index, bindings[i].m_pHandler);
    }
}
