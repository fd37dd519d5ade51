#pragma once

#include "framework/CNonCopyable.h"
#include "framework/CString.h"

// Remembers the process's current directory, of any length, and puts it back
// when destroyed: scripts may change it. When it could not be read there is
// nothing to put back.
class CCurrentDirectoryKeeper : private CNonCopyable
{
public:
    CCurrentDirectoryKeeper();
    ~CCurrentDirectoryKeeper();

    bool IsSaved() const { return m_bSaved; }
    const CString& GetSaved() const { return m_strDirectory; }

private:
    CString m_strDirectory;
    bool m_bSaved = false;
};
