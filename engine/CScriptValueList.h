#pragma once

#include "engine/CScriptValue.h"

#include <deque>

// The argument list of a built-in call. Appending never moves the values
// already in the list. Reading past the end (or before the start) gives the
// number 0, fresh on every such read.
class CScriptValueList
{
public:
    void Append(const CScriptValue& value) { m_aValues.push_back(value); }
    void Append(CScriptValue&& value) { m_aValues.push_back(std::move(value)); }
    // Appends the number 0 and gives it to the caller to fill.
    CScriptValue& AppendNew();
    CScriptValue& operator[](int index) { return GetAt(index); }
    CScriptValue& GetAt(int index);
    int GetCount() const { return static_cast<int>(m_aValues.size()); }
    void Clear() { m_aValues.clear(); }
    void FreeAll() { Clear(); }

private:
    std::deque<CScriptValue> m_aValues;
    CScriptValue m_vSpare;
};
