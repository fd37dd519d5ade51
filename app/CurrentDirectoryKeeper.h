#pragma once

#include "framework/CString.h"

// Remembers the process's current directory, of any length, and puts it back
// when destroyed: scripts may change it. When it could not be read there is
// nothing to put back.
class CCurrentDirectoryKeeper
{
public:
    CCurrentDirectoryKeeper();
    ~CCurrentDirectoryKeeper();
    CCurrentDirectoryKeeper(const CCurrentDirectoryKeeper&) = delete;
    CCurrentDirectoryKeeper& operator=(const CCurrentDirectoryKeeper&) = delete;

    bool IsSaved() const { return m_bSaved; }
    const CString& GetSaved() const { return m_strDirectory; }

private:
    CString m_strDirectory;
    bool m_bSaved = false;
};
