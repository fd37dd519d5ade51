#include "engine/SystemRegistry.h"

bool RegReadString(HKEY root, const char* subkey, const char* valueName, DWORD bufferSize, char* buffer)
{
    if (bufferSize == 0)
        return false;
    buffer[0] = '\0';
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subkey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    // One byte is kept for the terminator: stored strings need not carry one.
    DWORD size = bufferSize - 1;
    LONG status = RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        buffer[0] = '\0';
        return false;
    }
    buffer[size < bufferSize ? size : bufferSize - 1] = '\0';
    return true;
}
