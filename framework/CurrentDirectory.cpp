#include "framework/CurrentDirectory.h"

#include <windows.h>

#include <vector>

CString GetCurrentDirectoryPath()
{
    // The directory may change between the size query and the read; try
    // again with the size the second call reports.
    DWORD size = GetCurrentDirectoryA(0, nullptr);
    while (size > 0) {
        std::vector<char> buffer(size);
        const DWORD length = GetCurrentDirectoryA(size, buffer.data());
        if (length == 0)
            break;
        if (length < size)
            return CString(buffer.data(), static_cast<int>(length));
        size = length;
    }
    return CString();
}
