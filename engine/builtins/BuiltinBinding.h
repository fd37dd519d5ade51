#pragma once

#include "engine/builtins/BuiltinRegistry.h"

#include <cstddef>

// One built-in of a family: its upper-case name in the built-in table and the
// handler that runs it.
struct BuiltinBinding
{
    const char* m_pName;
    ScriptBuiltinHandler m_pHandler;
};

template <std::size_t N>
void BindBuiltins(CMarionet_Script& engine, const BuiltinBinding (&bindings)[N])
{
    for (const BuiltinBinding& binding : bindings)
        BindBuiltin(engine, binding.m_pName, binding.m_pHandler);
}
