#pragma once

#include "framework/CString.h"

#include <vector>

// The include directories of the script language's installation, from
// HKEY_LOCAL_MACHINE "Software\Brasswick\DariRe3": the "Include\" folder of
// "InstallDir" (or the relative "Include\"), then the pieces of the
// ";"-separated "Include" value, each ending in "\" unless empty. At most
// nMaxEntries entries; values of any length.
std::vector<CString> ReadIncludeDirectories(int nMaxEntries);
