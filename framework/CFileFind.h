#pragma once

#include <windows.h>

#include "framework/CNonCopyable.h"
#include "framework/CString.h"

#include <string>

// A search of a folder for names matching a wildcard pattern, yielding the
// entries in the system's enumeration order:
//
//     CFileFind finder;
//     for (bool more = finder.FindFile(pattern); more;)
//     {
//         more = finder.FindNextFile();
//         if (finder.IsDots() || finder.IsDirectory())
//             continue;
//         ... finder.GetFilePath() ...
//     }
//
// FindNextFile makes the next entry current and tells whether another one
// follows; the entry it makes current is valid even when it answers false.
//
// Every name it gives reaches the very entry it was found as: a name that the
// code page cannot spell comes as the entry's short name, and an entry without
// an exact 8-bit name is passed over.
class CFileFind : private CNonCopyable
{
public:
    ~CFileFind() { Close(); }

    // Starts a search; false when nothing matches or the folder is missing.
    bool FindFile(const char* pattern = "*.*");
    bool FindNextFile();
    void Close();

    CString GetFileName() const;
    // The folder of the pattern made absolute, a backslash and the name.
    CString GetFilePath() const;
    // The name without its extension.
    CString GetFileTitle() const;
    // The absolute folder of the pattern, without a trailing backslash.
    const CString& GetRoot() const { return m_strRoot; }
    ULONGLONG GetLength() const;
    bool IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    // True for the "." and ".." entries of a folder.
    bool IsDots() const;
    bool MatchesMask(DWORD attributes) const;

private:
    // Moves the search on to the first entry from m_Next on that has an exact
    // name; false when the search ends first.
    bool SkipToExactName();

    HANDLE m_hSearch = INVALID_HANDLE_VALUE;
    bool m_bHasNext = false;
    bool m_bHasCurrent = false;
    WIN32_FIND_DATAW m_Next{};
    WIN32_FIND_DATAW m_Current{};
    std::string m_strNextName;
    std::string m_strName;
    CString m_strRoot;
};
