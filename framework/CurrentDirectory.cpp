#include "framework/CurrentDirectory.h"

#include "framework/WideText.h"

#include <windows.h>

std::wstring GetCurrentDirectoryWide()
{
    // The directory may change between the size query and the read; try
    // again with the size the second call reports.
    DWORD size = GetCurrentDirectoryW(0, nullptr);
    while (size > 0) {
        std::wstring directory(size, L'\0');
        const DWORD length = GetCurrentDirectoryW(size, &directory[0]);
        if (length == 0)
            break;
        if (length < size) {
            directory.resize(length);
            return directory;
        }
        size = length;
    }
    return std::wstring();
}

CString GetCurrentDirectoryPath()
{
    std::string directory;
    if (!NarrowText(GetCurrentDirectoryWide().c_str(), directory, TEXT_REFUSE_LOSS))
        return CString();
    return CString(std::move(directory));
}
