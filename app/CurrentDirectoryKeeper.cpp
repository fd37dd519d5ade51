#include "app/CurrentDirectoryKeeper.h"

#include <windows.h>

#include "framework/CurrentDirectory.h"

CCurrentDirectoryKeeper::CCurrentDirectoryKeeper()
    : m_strDirectory(GetCurrentDirectoryPath()), m_bSaved(!m_strDirectory.IsEmpty())
{
}

CCurrentDirectoryKeeper::~CCurrentDirectoryKeeper()
{
    if (m_bSaved)
        SetCurrentDirectoryA(m_strDirectory);
}
