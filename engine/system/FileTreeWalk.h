// The file built-ins' listings of a folder, and the walk of FILESETTIME and
// FILESETATTRIB over the matches of a pattern.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct CDirectoryEntry
{
    // The exact 8-bit name: the long one, else the short one. Empty when the
    // code page spells neither: the entry matched, but no 8-bit path reaches
    // it, and its look-alike would name another file.
    std::string m_strName;
    DWORD m_dwAttributes = 0;
    // The long name where the code page cannot spell it, so that a copy or a
    // move can keep it; empty where m_strName is the long name.
    std::wstring m_strLongName{};
};

// The entries matching a full pattern ("." and ".." included as the system
// gives them); none when the folder cannot be read.
using DirectoryLister = std::function<std::vector<CDirectoryEntry>(const std::string& pattern)>;

// The system's listing, through its wide calls.
std::vector<CDirectoryEntry> ListDirectory(const std::string& pattern);

// A search of the system's listing by steps: the first entry matching the
// pattern (INVALID_HANDLE_VALUE when none does or the pattern does not
// convert), then each next one (false at the end). Close it with FindClose.
HANDLE FindFirstEntry(const char* pattern, CDirectoryEntry& entry);
bool FindNextEntry(HANDLE search, CDirectoryEntry& entry);

// The folder and the name joined with one backslash (a drive root keeps its own).
std::string JoinPath(const std::string& folder, const std::string& name);

// Calls the action with the full path of every match of the name pattern in
// the folder, and with recurse of every match in every folder below, until
// the action fails (false). Everything goes by full path, so the current
// directory never changes; folder links are given to the action but never
// entered, since a junction that points back up would loop for ever. The
// count of matches grows with each one. A match, or a folder to search, that
// no 8-bit path reaches fails the walk as a failed action does.
bool WalkFileMatches(const std::string& folder, const std::string& pattern, bool recurse,
                     const std::function<bool(const std::string&)>& action, const DirectoryLister& lister,
                     int& nMatches);

// The file argument of FILESETTIME and FILESETATTRIB: a folder name gets the
// action itself and, with recurse, its contents by "*.*"; any other name is a
// pattern in its folder. False when the path is refused, nothing matched or
// the action failed.
bool ApplyToFileArgument(const char* file, bool recurse, const std::function<bool(const std::string&)>& action);
