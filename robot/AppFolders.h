#pragma once

#include "framework/CString.h"

// The per-user data folder: the user's application-data folder extended by
// "orvantis" and "Tapwright". It holds the "script" folder of robot files and
// the small option files. Callers create it where they write into it.
CString GetUserDataFolder();

// Full path of the program file; empty when the system gives none.
CString GetModuleFilePath();

// The program file's folder without a trailing "\"; empty when the path has
// no "\".
CString GetModuleDirectory();

// Creates the folder and every missing parent, top down. Failures are silent:
// callers notice them when they write into the folder.
void CreateDirectoryPath(const CString& path);
