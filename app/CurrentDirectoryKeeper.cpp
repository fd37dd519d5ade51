#include "app/CurrentDirectoryKeeper.h"

#include <windows.h>

#include <vector>

CCurrentDirectoryKeeper::CCurrentDirectoryKeeper()
{
    // The directory may change between the size query and the read; try
    // again with the size the second call reports.
    DWORD size = GetCurrentDirectoryA(0, nullptr);
    while (size > 0) {
        std::vector<char> buffer(size);
        DWORD length = GetCurrentDirectoryA(size, buffer.data());
        if (length == 0)
            return;
        if (length < size) {
            m_strDirectory = CString(buffer.data(), static_cast<int>(length));
            m_bSaved = true;
            return;
        }
        size = length;
    }
}

CCurrentDirectoryKeeper::~CCurrentDirectoryKeeper()
{
    if (m_bSaved)
        SetCurrentDirectoryA(m_strDirectory);
}
