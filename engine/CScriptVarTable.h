#pragma once

#include "engine/CScriptValue.h"
#include "engine/CScriptVarList.h"

#include <vector>

// The script's variables: the global list and a stack of local frames, one
// per running user function. Names are matched without regard to case.
class CScriptVarTable
{
public:
    enum Scope
    {
        SCOPE_AUTO = 0,
        SCOPE_LOCAL = 1,
        SCOPE_GLOBAL = 2
    };

    // Scope 0 or 1: the top frame when one exists, else the globals; scope 2:
    // the globals. An existing variable gets a deep copy (a by-reference one
    // passes it to the caller's value), else a new variable is appended.
    // False for any other scope.
    bool Assign(const char* name, const CScriptValue& value, int scope);
    // Scope 0: the top frame, then the globals; scope 1: only the top frame
    // when one exists, else the globals; scope 2: the globals. The pointer is
    // null when the name is not found.
    bool GetRef(const char* name, CScriptValue*& value, int scope);
    // Only inside a frame and with a target: binds the name in the top frame
    // to the caller's value. The target stays alive while the binding lasts.
    bool AddByRef(const char* name, CScriptValue* target);
    // -1 declared in the top frame, 1 global, 0 unknown.
    int DeclaredWhere(const char* name);
    void PushFrame();
    void PopFrame();
    int GetFrameCount() const { return m_nFrames; }
    void FreeAll();

private:
    CScriptVarList* TopFrame();

    CScriptVarList m_Globals;
    // The frames in use are the first m_nFrames; a popped frame is cleared
    // and kept for the next call.
    std::vector<CScriptVarList> m_aFrames;
    int m_nFrames = 0;
};
