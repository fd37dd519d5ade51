// The one full-path resolution of the program, for paths of any length.
#pragma once

#include <string>

// The full path of a name against the current directory, through the wide
// call (the 8-bit one refuses paths beyond 260 characters). False, with the
// result emptied, when the system gives none (an empty name, a refused path)
// or when the 8-bit code page spells neither the path nor the short form of
// an existing one (as within a current folder whose name it cannot spell).
bool FullPathName(const char* pszPath, std::string& strFull);
