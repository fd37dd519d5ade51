#include "framework/CFileFind.h"

#include "framework/CharacterSearch.h"
#include "framework/ExactName.h"
#include "framework/FullPathName.h"

#include <algorithm>
#include <cassert>
#include <string>

namespace {
// The absolute folder part of a pattern, without a trailing backslash.
CString FolderOf(const char* pattern)
{
    std::string full;
    if (!FullPathName(pattern, full))
        full = pattern;
    const int slash = std::max(ReverseFindCharacterIn(full, '\\'), ReverseFindCharacterIn(full, '/'));
    return CString(slash < 0 ? std::string() : full.substr(0, static_cast<size_t>(slash)));
}
}  // namespace

bool CFileFind::FindFile(const char* pattern)
{
    Close();
    if (!pattern || !*pattern)
        pattern = "*.*";
    // The 8-bit find calls narrow the names they find with look-alikes, so the
    // search runs wide and narrows each name exactly itself.
    m_hSearch = FindFirstExact(pattern, m_Next);
    if (m_hSearch == INVALID_HANDLE_VALUE)
        return false;
    if (!SkipToExactName()) {
        Close();
        return false;
    }
    m_bHasNext = true;
    m_strRoot = FolderOf(pattern);
    return true;
}

bool CFileFind::FindNextFile()
{
    if (!m_bHasNext)
        return false;
    m_Current = m_Next;
    m_strName = m_strNextName;
    m_bHasCurrent = true;
    m_bHasNext = ::FindNextFileW(m_hSearch, &m_Next) && SkipToExactName();
    return m_bHasNext;
}

bool CFileFind::SkipToExactName()
{
    while (!ExactFoundName(m_Next, m_strNextName)) {
        if (!::FindNextFileW(m_hSearch, &m_Next))
            return false;
    }
    return true;
}

void CFileFind::Close()
{
    if (m_hSearch != INVALID_HANDLE_VALUE)
        FindClose(m_hSearch);
    m_hSearch = INVALID_HANDLE_VALUE;
    m_bHasNext = false;
    m_bHasCurrent = false;
    m_strRoot.Empty();
}

CString CFileFind::GetFileName() const
{
    assert(m_bHasCurrent);
    return CString(m_strName);
}

CString CFileFind::GetFilePath() const
{
    return m_strRoot + '\\' + GetFileName();
}

CString CFileFind::GetFileTitle() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

ULONGLONG CFileFind::GetLength() const
{
    assert(m_bHasCurrent);
    return (static_cast<ULONGLONG>(m_Current.nFileSizeHigh) << 32) | m_Current.nFileSizeLow;
}

bool CFileFind::IsDots() const
{
    const CString name = GetFileName();
    return IsDirectory() && (name == "." || name == "..");
}

bool CFileFind::MatchesMask(DWORD attributes) const
{
    assert(m_bHasCurrent);
    return (m_Current.dwFileAttributes & attributes) != 0;
}
