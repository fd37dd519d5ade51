// The wait benchmarks: an engine that calls one wait built-in, and the
// figures of how long after its event each try's wait ended.
#pragma once

#include "engine/CMarionet_Script.h"
#include "engine/CMarionet_ScriptFile.h"
#include "engine/ScriptBuiltinNames.h"
#include "engine/builtins/BuiltinRegistry.h"

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <vector>

// An engine with every built-in and no pause after a wait, calling the wait
// built-in of the name.
class CBenchWait
{
public:
    explicit CBenchWait(const char* name)
        : m_Engine(m_File), m_nBuiltin(FindScriptBuiltin(name, static_cast<int>(std::strlen(name))))
    {
        InstallScriptBuiltins(m_Engine);
        m_Engine.m_nWinWaitDelay = 0;
    }

    // True when the wait was ended by its event, not by its timeout.
    bool Wait(CScriptValueList& args)
    {
        CScriptValue result;
        m_Engine.CallBuiltinFunction(m_nBuiltin, args, result);
        return result.GetInteger() == 1;
    }

private:
    CMarionet_ScriptFile m_File;
    CMarionet_Script m_Engine;
    int m_nBuiltin;
};

// Prints the median, shortest and longest reaction of the tries; 1, with the
// reason, when no try's wait was ended by its event.
inline int PrintReactions(const char* wait, const char* noReaction, std::vector<double> reactions)
{
    std::sort(reactions.begin(), reactions.end());
    if (reactions.empty()) {
        std::printf("%s reaction: %s\n", wait, noReaction);
        return 1;
    }
    std::printf("%s reaction over %zu tries: median %.1f ms, min %.1f ms, max %.1f ms\n", wait, reactions.size(),
                reactions[reactions.size() / 2], reactions.front(), reactions.back());
    return 0;
}
