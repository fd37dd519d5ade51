// The key that a registry built-in works on, opened from its key path
// ("\\computer\ROOT\sub\key"). The remote root it connected to and the key
// are closed on every way out.
#pragma once

#include <windows.h>

#include <string>

#include "framework/CNonCopyable.h"

class CRegistryKey : private CNonCopyable
{
public:
    enum EOpen
    {
        OPENED,
        // The path names no root of the table: a fatal error of the built-ins.
        UNKNOWN_ROOT,
        // The remote connection or the key failed, or the computer name or the
        // subkey is too long for the system's calls: each built-in's soft failure.
        NOT_OPENED
    };

    ~CRegistryKey();

    EOpen Open(const char* pszPath, REGSAM access);
    // Opens the key, creating it and the keys above it when missing.
    EOpen Create(const char* pszPath, REGSAM access);
    // Closes the key alone; the root stays for deleting the key itself.
    void CloseKey();

    HKEY Key() const { return m_hKey; }
    HKEY Root() const { return m_hRoot; }
    const std::string& Subkey() const { return m_strSubkey; }
    // A path of a root alone: its tree must never be deleted, since that
    // would empty the whole hive.
    bool NamesRootOnly() const { return m_strSubkey.empty(); }

private:
    EOpen ConnectRoot(const char* pszPath);

    HKEY m_hRoot = nullptr;
    bool m_bRemoteRoot = false;
    HKEY m_hKey = nullptr;
    std::string m_strSubkey;
};
