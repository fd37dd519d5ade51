// The name of the running Windows as the share page reports it.
#pragma once

#include <windows.h>

#include "framework/CString.h"

// The system's version record: the extended one, else the basic one; false when the
// system gives neither.
bool ReadWindowsVersion(OSVERSIONINFOA& version);

// "Win32" (Win32s), "Win95", "Win98", "WinME", "WinNT", "Win2000", "WinXP" or
// "Unknown OS"; empty for the NT versions after XP, which have no name here.
CString GetWindowsVersionName(const OSVERSIONINFOA& version);
