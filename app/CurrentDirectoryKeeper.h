#pragma once

#include "framework/CNonCopyable.h"

#include <string>

// Remembers the process's current directory, of any length, and puts it back
// when destroyed: scripts may change it. It is kept as the system holds it, so
// that a name with no 8-bit form comes back whole. When it could not be read
// there is nothing to put back.
class CCurrentDirectoryKeeper : private CNonCopyable
{
public:
    CCurrentDirectoryKeeper();
    ~CCurrentDirectoryKeeper();

    bool IsSaved() const { return m_bSaved; }
    const std::wstring& GetSaved() const { return m_strDirectory; }

private:
    std::wstring m_strDirectory;
    bool m_bSaved = false;
};
