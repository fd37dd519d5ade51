#include "framework/CFile.h"

#include <limits>

namespace {
DWORD ShareModeOf(UINT flags)
{
    switch (flags & 0x70) {
    case CFile::shareExclusive:
        return 0;
    case CFile::shareDenyWrite:
        return FILE_SHARE_READ;
    case CFile::shareDenyRead:
        return FILE_SHARE_WRITE;
    default:
        return FILE_SHARE_READ | FILE_SHARE_WRITE;
    }
}

DWORD AccessOf(UINT flags)
{
    if ((flags & 3) == CFile::modeWrite)
        return GENERIC_WRITE;
    if ((flags & 3) == CFile::modeReadWrite)
        return GENERIC_READ | GENERIC_WRITE;
    return GENERIC_READ;
}

DWORD CreationOf(UINT flags)
{
    if (flags & CFile::modeCreate)
        return (flags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    return OPEN_EXISTING;
}
}  // namespace

bool CFile::Open(const char* path, UINT flags)
{
    Close();
    m_hFile = CreateFileA(path, AccessOf(flags), ShareModeOf(flags), nullptr, CreationOf(flags), FILE_ATTRIBUTE_NORMAL,
                          nullptr);
    if (!IsOpen())
        return false;
    m_strPath = path;
    return true;
}

bool CFile::Open(const wchar_t* path, UINT flags)
{
    Close();
    m_hFile = CreateFileW(path, AccessOf(flags), ShareModeOf(flags), nullptr, CreationOf(flags), FILE_ATTRIBUTE_NORMAL,
                          nullptr);
    return IsOpen();
}

void CFile::Close()
{
    if (IsOpen())
        CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    m_strPath.Empty();
}

UINT CFile::Read(void* buffer, UINT count)
{
    DWORD read = 0;
    if (!IsOpen() || !ReadFile(m_hFile, buffer, count, &read, nullptr))
        return 0;
    return read;
}

bool CFile::Write(const void* buffer, UINT count)
{
    if (!IsOpen())
        return false;
    const char* bytes = static_cast<const char*>(buffer);
    while (count > 0) {
        DWORD written = 0;
        if (!WriteFile(m_hFile, bytes, count, &written, nullptr) || written == 0)
            return false;
        bytes += written;
        count -= written;
    }
    return true;
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size{};
    if (!IsOpen() || !GetFileSizeEx(m_hFile, &size))
        return 0;
    return static_cast<ULONGLONG>(size.QuadPart);
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER zero{};
    LARGE_INTEGER position{};
    if (!IsOpen() || !SetFilePointerEx(m_hFile, zero, &position, FILE_CURRENT))
        return 0;
    return static_cast<ULONGLONG>(position.QuadPart);
}

bool CFile::SeekToBegin()
{
    return MoveTo(0, FILE_BEGIN);
}

bool CFile::SeekToEnd()
{
    return MoveTo(0, FILE_END);
}

bool CFile::Flush()
{
    return IsOpen() && FlushFileBuffers(m_hFile);
}

bool CFile::MoveTo(LONGLONG offset, DWORD method)
{
    LARGE_INTEGER distance{};
    distance.QuadPart = offset;
    return IsOpen() && SetFilePointerEx(m_hFile, distance, nullptr, method);
}

bool CFile::ReadAll(const char* path, std::string& bytes, UINT flags)
{
    bytes.clear();
    CFile file;
    if (!file.Open(path, flags))
        return false;
    const ULONGLONG length = file.GetLength();
    if (length >= std::numeric_limits<UINT>::max())
        return false;
    bytes.resize(static_cast<size_t>(length));
    size_t done = 0;
    while (done < bytes.size()) {
        const UINT read = file.Read(&bytes[done], static_cast<UINT>(bytes.size() - done));
        if (read == 0)
            break;
        done += read;
    }
    bytes.resize(done);
    return true;
}

bool CFile::WriteAll(const char* path, const void* bytes, size_t count)
{
    CFile file;
    if (!file.Open(path, modeWrite | modeCreate | shareExclusive))
        return false;
    return file.Write(bytes, static_cast<UINT>(count));
}
