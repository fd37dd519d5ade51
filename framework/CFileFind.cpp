#include "framework/CFileFind.h"

#include <cassert>
#include <string>

namespace {
// The absolute folder part of a pattern, without a trailing backslash.
CString FolderOf(const char* pattern)
{
    const DWORD needed = GetFullPathNameA(pattern, 0, nullptr, nullptr);
    std::string full;
    if (needed > 0) {
        full.resize(needed);
        const DWORD length = GetFullPathNameA(pattern, needed, &full[0], nullptr);
        full.resize(length < needed ? length : 0);
    }
    if (full.empty())
        full = pattern;
    const size_t slash = full.find_last_of("\\/");
    return CString(slash == std::string::npos ? std::string() : full.substr(0, slash));
}
}  // namespace

bool CFileFind::FindFile(const char* pattern)
{
    Close();
    if (!pattern || !*pattern)
        pattern = "*.*";
    m_hSearch = FindFirstFileA(pattern, &m_Next);
    if (m_hSearch == INVALID_HANDLE_VALUE)
        return false;
    m_bHasNext = true;
    m_strRoot = FolderOf(pattern);
    return true;
}

bool CFileFind::FindNextFile()
{
    if (!m_bHasNext)
        return false;
    m_Current = m_Next;
    m_bHasCurrent = true;
    m_bHasNext = ::FindNextFileA(m_hSearch, &m_Next) != FALSE;
    return m_bHasNext;
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
    return CString(m_Current.cFileName);
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
