#include "app/CurrentDirectoryKeeper.h"

#include <windows.h>

#include "framework/CurrentDirectory.h"

CCurrentDirectoryKeeper::CCurrentDirectoryKeeper()
    : m_strDirectory(GetCurrentDirectoryWide()), m_bSaved(!m_strDirectory.empty())
{
}

CCurrentDirectoryKeeper::~CCurrentDirectoryKeeper()
{
    if (m_bSaved)
        SetCurrentDirectoryW(m_strDirectory.c_str());
}
