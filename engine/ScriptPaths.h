#pragma once

#include "framework/CString.h"

// Paths of script files as the engine registers them.

// The full path of a file name, however long; false when the system gives none.
bool GetFullPath(const char* pszFileName, CString& strFullPath);

// The long-name form of a path through the shell's desktop folder; the path
// unchanged when the shell cannot resolve it.
CString LongPathName(const CString& strPath);

// The open-file dialog "Run Script:" for "*.txt" files; false on cancel.
bool AskForScriptFile(CString& strPath);
