#include "framework/CFileFind.h"

#include "framework/FullPathName.h"

#include <cassert>
#include <string>

namespace {
// The absolute folder part of a pattern, without a trailing backslash.
CString FolderOf(const char* pattern)
{
    std::string full;
    if (!FullPathName(pattern, full))
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
    m_search = FindFirstFileA(pattern, &m_next);
    if (m_search == INVALID_HANDLE_VALUE)
        return false;
    m_hasNext = true;
    m_root = FolderOf(pattern);
    return true;
}

bool CFileFind::FindNextFile()
{
    if (!m_hasNext)
        return false;
    m_current = m_next;
    m_hasCurrent = true;
    m_hasNext = ::FindNextFileA(m_search, &m_next) != FALSE;
    return m_hasNext;
}

void CFileFind::Close()
{
    if (m_search != INVALID_HANDLE_VALUE)
        FindClose(m_search);
    m_search = INVALID_HANDLE_VALUE;
    m_hasNext = false;
    m_hasCurrent = false;
    m_root.Empty();
}

CString CFileFind::GetFileName() const
{
    assert(m_hasCurrent);
    return CString(m_current.cFileName);
}

CString CFileFind::GetFilePath() const
{
    return m_root + '\\' + GetFileName();
}

CString CFileFind::GetFileTitle() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

ULONGLONG CFileFind::GetLength() const
{
    assert(m_hasCurrent);
    return (static_cast<ULONGLONG>(m_current.nFileSizeHigh) << 32) | m_current.nFileSizeLow;
}

bool CFileFind::IsDots() const
{
    const CString name = GetFileName();
    return IsDirectory() && (name == "." || name == "..");
}

bool CFileFind::MatchesMask(DWORD attributes) const
{
    assert(m_hasCurrent);
    return (m_current.dwFileAttributes & attributes) != 0;
}
