#include "robot/WriteFileReplacing.h"

#include "framework/CFile.h"

#include <windows.h>

#include <cstring>
#include <string>

namespace {
CString FolderOf(const CString& path)
{
    const int slash = path.ReverseFind('\\');
    return slash < 0 ? CString(".") : path.Left(slash);
}

bool WriteAndFlush(const CString& path, const CString& bytes)
{
    CFile file;
    return file.Open(path, CFile::modeWrite | CFile::modeCreate | CFile::shareExclusive) &&
           file.Write(bytes.GetString(), static_cast<UINT>(bytes.GetLength())) && file.Flush();
}
}  // namespace

bool WriteFileReplacing(const CString& path, const CString& bytes)
{
    char temporary[MAX_PATH] = "";
    if (!GetTempFileNameA(FolderOf(path), "tap", 0, temporary))
        return false;
    if (WriteAndFlush(temporary, bytes) &&
        MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temporary);
    return false;
}

bool WriteFileIfChanged(const CString& path, const CString& bytes)
{
    std::string held;
    if (!CFile::ReadAll(path, held))
        return WriteFileReplacing(path, bytes);
    return WriteFileIfChanged(path, bytes, held);
}

bool WriteFileIfChanged(const CString& path, const CString& bytes, const std::string& held)
{
    if (held.size() == static_cast<size_t>(bytes.GetLength()) &&
        std::memcmp(held.data(), bytes.GetString(), held.size()) == 0)
        return true;
    return WriteFileReplacing(path, bytes);
}
