#pragma once

#include "framework/CString.h"

#include <string>

// The process's current directory, of any length, as the system holds it;
// empty when it cannot be read.
std::wstring GetCurrentDirectoryWide();

// The same as 8-bit text. Empty also when a character of the name has no
// exact counterpart in the code page: the stand-in would be "?", a wildcard
// that matches other names, or a look-alike that names another folder.
CString GetCurrentDirectoryPath();
