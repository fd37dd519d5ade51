#include "engine/IncludeDirectories.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace {

const char kInstallKey[] = "Software\\Brasswick\\DariRe3";
const char kIncludeFolder[] = "Include\\";

// A string value of any length, asked for its size first; the stored data
// need not end in a terminator. False when the value is missing or not text.
bool ReadStringValue(HKEY key, const char* name, CString& value)
{
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return false;
    std::string data(size + 1, '\0');
    DWORD read = size;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &read) != ERROR_SUCCESS)
        return false;
    data.resize(std::min<size_t>(read, data.size()));
    const size_t end = data.find('\0');
    if (end != std::string::npos)
        data.resize(end);
    value = CString(std::move(data));
    return true;
}

CString WithBackslash(const CString& folder)
{
    if (folder.IsEmpty() || folder.Right(1) == "\\")
        return folder;
    return folder + "\\";
}

}  // namespace

std::vector<CString> ReadIncludeDirectories(int nMaxEntries)
{
    std::vector<CString> directories;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kInstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        directories.push_back(kIncludeFolder);
        return directories;
    }

    CString installDir;
    if (ReadStringValue(key, "InstallDir", installDir))
        directories.push_back(WithBackslash(installDir) + kIncludeFolder);
    else
        directories.push_back(kIncludeFolder);

    CString include;
    if (ReadStringValue(key, "Include", include)) {
        int start = 0;
        while (static_cast<int>(directories.size()) < nMaxEntries) {
            const int end = include.Find(';', start);
            const CString piece = end < 0 ? include.Mid(start) : include.Mid(start, end - start);
            directories.push_back(WithBackslash(piece));
            if (end < 0)
                break;
            start = end + 1;
        }
    }
    RegCloseKey(key);
    return directories;
}
