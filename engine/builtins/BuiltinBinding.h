#pragma once

#include "engine/CMarionet_Script.h"

#include <cstddef>

// One built-in of a family: its upper-case name in the built-in table and the
// handler that runs it.
struct BuiltinBinding
{
    const char* m_pName;
    ScriptBuiltinHandler m_pHandler;
};

// Puts each handler into the engine's table at its name's index.
void BindBuiltins(CMarionet_Script& engine, const BuiltinBinding* bindings, std::size_t count);

template <std::size_t N>
void BindBuiltins(CMarionet_Script& engine, const BuiltinBinding (&bindings)[N])
{
    BindBuiltins(engine, bindings, N);
}
