#pragma once

#include "engine/CScriptString.h"

#include <deque>

// One user function: its name and the lines of its "Func" and "EndFunc"
// statements with its parameter count.
struct CUserFunc
{
    CScriptString m_sName;
    int m_nFuncLine = 0;
    int m_nParamCount = 0;
    int m_nEndFuncLine = 0;
};

// The script's user functions, found by name without regard to case.
// Appending never moves the entries already in the list.
class CUserFuncList
{
public:
    const CUserFunc* Find(const char* name) const;
    void Append(const CUserFunc& function) { m_aFunctions.push_back(function); }
    // Null when the index is out of range.
    const CUserFunc* GetAt(int index) const;
    int GetCount() const { return static_cast<int>(m_aFunctions.size()); }
    void FreeAll() { m_aFunctions.clear(); }

private:
    std::deque<CUserFunc> m_aFunctions;
};
