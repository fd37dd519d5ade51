#include "app/CurrentDirectoryKeeper.h"

#include <windows.h>

#include "framework/CurrentDirectory.h"

CCurrentDirectoryKeeper::CCurrentDirectoryKeeper()
    : m_directory(GetCurrentDirectoryPath()), m_saved(!m_directory.IsEmpty())
{
}

CCurrentDirectoryKeeper::~CCurrentDirectoryKeeper()
{
    if (m_saved)
        SetCurrentDirectoryA(m_directory);
}
