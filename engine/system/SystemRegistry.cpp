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
