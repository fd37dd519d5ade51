#include "framework/CAppProfile.h"

#include "framework/CString.h"

const char CAppProfile::kRootKey[] = "Software\\orvantis\\Tapwright";

namespace {
CString SectionKey(const char* section)
{
    return CString(CAppProfile::kRootKey) + '\\' + section;
}
}  // namespace

bool CAppProfile::GetBinary(const char* section, const char* entry, std::vector<BYTE>& data)
{
    data.clear();
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionKey(section), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(key, entry, nullptr, &type, nullptr, &size);
    // The value may grow between the two calls: ask again with the new size.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        data.resize(size);
        status = RegQueryValueExA(key, entry, nullptr, &type, data.empty() ? nullptr : data.data(), &size);
        if (status == ERROR_SUCCESS) {
            data.resize(size);
            break;
        }
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_BINARY) {
        data.clear();
        return false;
    }
    return true;
}

bool CAppProfile::WriteBinary(const char* section, const char* entry, const void* data, UINT size)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionKey(section), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG status = RegSetValueExA(key, entry, 0, REG_BINARY, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}
