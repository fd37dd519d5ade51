#include "engine/system/SystemRegistry.h"

bool RegReadString(HKEY root, const char* subkey, const char* valueName, DWORD bufferSize, char* buffer)
{
    if (bufferSize == 0)
        return false;
    buffer[0] = '\0';
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subkey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    DWORD size = bufferSize;
    LONG status = RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    // Stored values need not carry a terminator: one must fit after the bytes,
    // unless the last byte read is one already.
    bool terminated = size < bufferSize || (size == bufferSize && buffer[size - 1] == '\0');
    if (status != ERROR_SUCCESS || !terminated) {
        buffer[0] = '\0';
        return false;
    }
    if (size < bufferSize)
        buffer[size] = '\0';
    return true;
}

void SplitRegistryPath(const char* path, std::string& computer, std::string& rootName, std::string& subkey)
{
    std::string rest = path ? path : "";
    computer.clear();
    if (rest.compare(0, 2, "\\\\") == 0) {
        const size_t end = rest.find('\\', 2);
        computer = rest.substr(2, end == std::string::npos ? std::string::npos : end - 2);
        rest = end == std::string::npos ? std::string() : rest.substr(end + 1);
    }
    const size_t slash = rest.find('\\');
    rootName = rest.substr(0, slash);
    subkey = slash == std::string::npos ? std::string() : rest.substr(slash + 1);
    const size_t last = subkey.find_last_not_of('\\');
    subkey.erase(last == std::string::npos ? 0 : last + 1);
}

bool RegistryRootFromName(const char* rootName, HKEY& root)
{
    static const struct
    {
        const char* longName;
        const char* shortName;
        HKEY root;
    } kRoots[] = {
        {"HKEY_LOCAL_MACHINE", "HKLM", HKEY_LOCAL_MACHINE},
        {"HKEY_CLASSES_ROOT", "HKCR", HKEY_CLASSES_ROOT},
        {"HKEY_CURRENT_CONFIG", "HKCC", HKEY_CURRENT_CONFIG},
        {"HKEY_CURRENT_USER", "HKCU", HKEY_CURRENT_USER},
        {"HKEY_USERS", "HKU", HKEY_USERS},
    };
    for (const auto& entry : kRoots) {
        if (lstrcmpiA(rootName, entry.longName) == 0 || lstrcmpiA(rootName, entry.shortName) == 0) {
            root = entry.root;
            return true;
        }
    }
    return false;
}

bool DeleteRegistryTree(HKEY key)
{
    for (;;) {
        char name[256];
        DWORD length = sizeof name;
        const LONG status = RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS)
            return true;
        HKEY subkey = nullptr;
        if (status != ERROR_SUCCESS || RegOpenKeyExA(key, name, 0, KEY_READ, &subkey) != ERROR_SUCCESS)
            return false;
        const bool emptied = DeleteRegistryTree(subkey);
        RegCloseKey(subkey);
        if (!emptied || RegDeleteKeyA(key, name) != ERROR_SUCCESS)
            return false;
    }
}
