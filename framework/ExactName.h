// Names of files and folders as exact 8-bit text. A name that the code page
// cannot spell has a look-alike ("..＼keep.txt", with a fullwidth backslash,
// narrows to "..\keep.txt") that names another file; these give the system's
// short name instead, or nothing:
//
//   WIN32_FIND_DATAW found;
//   ...
//   std::string name;
//   if (!ExactFoundName(found, name))
//       continue;  // no 8-bit name reaches this file: leave it out
#pragma once

#include <windows.h>

#include <string>

// The wide search of an 8-bit pattern, whose entries the functions below name
// exactly: the 8-bit find calls give look-alikes. INVALID_HANDLE_VALUE when
// the pattern has no exact wide form or nothing matches; close with FindClose.
HANDLE FindFirstExact(const char* pszPattern, WIN32_FIND_DATAW& found);

// The existing entry that a path names, as the wide search gives it (its long
// and its short name). False for a path with a wildcard, or with nothing there.
bool FindPathEntry(const std::wstring& path, WIN32_FIND_DATAW& found);

// The name of a found entry: its long name where the code page spells it
// exactly, else its short name where that is exact. False, with the result
// emptied, when neither is.
bool ExactFoundName(const WIN32_FIND_DATAW& found, std::string& name);

// A path the system gave in wide text, with every name in it that the code
// page cannot spell exactly replaced by the exact short name of that existing
// file or folder. False, with the result emptied, when a name has neither
// (also a name still to be made).
bool ExactPathName(const wchar_t* pszPath, std::string& path);

// A path the system gave in wide text, as 8-bit text that names that very
// entry or none at all: ExactPathName's form where there is one, else the
// path with "|" for every character that the code page cannot spell. "|" is
// allowed in no name and, unlike "?", matches none as a pattern, so no call
// reaches a file through that form, nor through a path below it.
std::string ExactOrUnreachablePath(const wchar_t* pszPath);

// Whether an 8-bit path reaches an existing entry through that entry's short
// name. The entry then has a name of its own that this path is not, so a copy
// or a move to this path would replace another file.
bool IsAnotherFilesShortName(const char* pszPath);
bool IsAnotherFilesShortName(const std::wstring& path);
