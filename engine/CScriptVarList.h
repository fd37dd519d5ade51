#pragma once

#include "engine/CScriptString.h"
#include "engine/CScriptValue.h"

#include <memory>
#include <vector>

// One list of variables (the globals or one local frame). Names are stored as
// given (the variable table upper-cases them) and matched exactly; the first
// match wins. Every value is held through a shared pointer: a variable owns
// its value alone, a by-reference variable shares its caller's value, so
// dropping the list never frees a value that someone else still uses.
// Cleared, a list keeps its slots, and a value that nobody else holds, for
// the variables of its next use: a function's frame then costs no
// allocation from one call to the next.
class CScriptVarList
{
public:
    struct Variable
    {
        CScriptString m_sName;
        bool m_bByRef = false;
        std::shared_ptr<CScriptValue> m_pOwner;
        CScriptValue* m_pValue = nullptr;
    };

    Variable* Find(const char* name, int length);
    // Appends a variable owning a copy of the value.
    void AppendOwned(const char* name, int length, const CScriptValue& value);
    // Binds a by-reference variable to the target: an existing variable of the
    // name is turned into one (an owned value is released first).
    void BindByRef(const char* name, int length, CScriptValue* target);
    int GetCount() const { return m_nCount; }
    // Forgets every variable; each value is released or, when this list
    // alone holds it, emptied and kept for a later variable.
    void Clear();

private:
    // The next slot, its old name and value replaced.
    Variable& AppendSlot(const char* name, int length);

    std::vector<Variable> m_aVariables;
    // The slots in use: the first m_nCount.
    int m_nCount = 0;
};
