// Path helpers of the file built-ins.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

// Removes one trailing "\" in place.
void StripTrailingBackslash(char* path);

// The full path, without a trailing "\" except for a drive root ("C:\").
bool GetFullPath(const char* path, std::string& full);

// The shell item of a path (free it with CoTaskMemFree); null when the
// shell cannot parse the path.
PIDLIST_ABSOLUTE ParseShellItem(const char* path);

// The path with long names, through the shell; on failure, or when the code
// page cannot spell a long name exactly, the input, false.
bool GetLongFileName(const char* path, std::string& longName);

// True when the drive letters of the two full paths differ or either has none.
bool AreOnDifferentDrives(const char* first, const char* second);

// With "*" or "?": whether anything matches; else whether the path exists.
bool FileExistsPattern(const char* path);

bool IsDirectory(const char* path);

// The fixed file version as "%u.%u.%u.%u"; false without a version resource
// or for a name too long for the system's calls.
bool GetFileVersionText(const char* file, std::string& text);
