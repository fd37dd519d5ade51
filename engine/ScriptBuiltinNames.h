#pragma once

// The built-in functions' names and argument counts, in the table order that
// gives every built-in its index; the engine binds a handler to each index.
struct ScriptBuiltinName
{
    const char* m_pName;  // upper case
    unsigned char m_nMinArgs;
    unsigned char m_nMaxArgs;  // kScriptManyArgs: no upper limit
};

constexpr int kScriptBuiltinCount = 216;
constexpr unsigned char kScriptManyArgs = 255;

extern const ScriptBuiltinName g_aScriptBuiltins[kScriptBuiltinCount];

// Index of the upper-case name, -1 when it names no built-in.
int FindScriptBuiltin(const char* upperName, int length);
