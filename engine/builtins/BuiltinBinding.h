#pragma once

// How a built-in family binds its handlers: a table of rows at the bottom of
// the family's file, handed to BindBuiltins from its Register function.
//
//     void RegisterPixelBuiltins(CMarionet_Script& engine)
//     {
//         static const BuiltinBinding kBindings[] = {{"PIXELSEARCH", PixelSearch}, ...};
//         BindBuiltins(engine, kBindings);
//     }

#include "engine/CMarionet_Script.h"

#include <cassert>
#include <cstddef>
#include <string>
#include <vector>

// One built-in of a family: its upper-case name in the built-in table and the
// handler that runs it.
struct BuiltinBinding
{
    const char* m_pName;
    ScriptBuiltinHandler m_pHandler;
};

// Binds the rows and returns the names that could not be bound: a name the
// built-in table does not hold, or one that already has a handler. Such a
// name would otherwise bind nothing and say nothing.
std::vector<std::string> BindBuiltinRows(CMarionet_Script& engine, const BuiltinBinding* pRows, std::size_t nCount);

// A row that cannot be bound is a fault of the family's table, so it stops
// the program at start-up.
template <std::size_t N>
void BindBuiltins(CMarionet_Script& engine, const BuiltinBinding (&bindings)[N])
{
    const std::vector<std::string> failed = BindBuiltinRows(engine, bindings, N);
    assert(failed.empty() && "a built-in row names no built-in or binds one twice");
    (void)failed;
}

// The names of the built-in table that have no handler, in table order.
std::vector<std::string> UnboundBuiltinNames(const CMarionet_Script& engine);
