#include "engine/system/CRegistryKey.h"

#include "engine/system/SystemRegistry.h"
#include "engine/system/SystemTextLimit.h"

CRegistryKey::~CRegistryKey()
{
    CloseKey();
    if (m_bRemoteRoot)
        RegCloseKey(m_hRoot);
}

void CRegistryKey::CloseKey()
{
    if (m_hKey)
        RegCloseKey(m_hKey);
    m_hKey = nullptr;
}

CRegistryKey::EOpen CRegistryKey::ConnectRoot(const char* pszPath)
{
    std::string strComputer;
    std::string strRootName;
    SplitRegistryPath(pszPath, strComputer, strRootName, m_strSubkey);
    HKEY hRoot = nullptr;
    if (!RegistryRootFromName(strRootName.c_str(), hRoot))
        return UNKNOWN_ROOT;
    if (!FitsSystemCall(kConvertedTextLimit, {m_strSubkey}) || !FitsSystemCall(kComputerNameLimit, {strComputer}))
        return NOT_OPENED;
    if (strComputer.empty()) {
        m_hRoot = hRoot;
        return OPENED;
    }
    if (RegConnectRegistryA(strComputer.c_str(), hRoot, &m_hRoot) != ERROR_SUCCESS)
        return NOT_OPENED;
    m_bRemoteRoot = true;
    return OPENED;
}

CRegistryKey::EOpen CRegistryKey::Open(const char* pszPath, REGSAM access)
{
    const EOpen root = ConnectRoot(pszPath);
    if (root != OPENED)
        return root;
    return RegOpenKeyExA(m_hRoot, m_strSubkey.c_str(), 0, access, &m_hKey) == ERROR_SUCCESS ? OPENED : NOT_OPENED;
}

CRegistryKey::EOpen CRegistryKey::Create(const char* pszPath, REGSAM access)
{
    const EOpen root = ConnectRoot(pszPath);
    if (root != OPENED)
        return root;
    char szClass[] = "";
    return RegCreateKeyExA(m_hRoot, m_strSubkey.c_str(), 0, szClass, REG_OPTION_NON_VOLATILE, access, nullptr, &m_hKey,
                           nullptr) == ERROR_SUCCESS
               ? OPENED
               : NOT_OPENED;
}
