#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

// One slot of the engine's handle table: an open file or a directory search
// that a script reaches by a small integer.
class CScriptFileHandle
{
public:
    enum Kind
    {
        KIND_FILE = 0,
        KIND_SEARCH = 1
    };
    enum Mode
    {
        MODE_READ = 0,
        MODE_APPEND = 1,
        MODE_WRITE = 2
    };

    static CScriptFileHandle* ForFile(FILE* stream, int mode);
    static CScriptFileHandle* ForSearch(HANDLE search, const char* firstName);
    ~CScriptFileHandle();

    CScriptFileHandle(const CScriptFileHandle&) = delete;
    CScriptFileHandle& operator=(const CScriptFileHandle&) = delete;

    int m_nKind = KIND_FILE;
    FILE* m_pStream = nullptr;
    int m_nMode = MODE_READ;
    HANDLE m_hSearch = INVALID_HANDLE_VALUE;
    // The name found by the first search step, kept until it is returned.
    bool m_bHasFirstName = false;
    std::string m_strFirstName;

private:
    CScriptFileHandle() = default;
};
