// Functions looked up by name at run time, typed.
#pragma once

#include <windows.h>

// The function of the module with the given name and type; null when absent.
template <class Fn>
Fn ProcAddress(HMODULE module, const char* name)
{
    if (!module)
        return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
