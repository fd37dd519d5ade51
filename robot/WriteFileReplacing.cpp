#include "robot/WriteFileReplacing.h"

#include <windows.h>

namespace
{
CString FolderOf(const CString& path)
{
    const int slash = path.ReverseFind('\\');
    return slash < 0 ? CString(".") : path.Left(slash);
}

bool WriteAll(const CString& path, const CString& bytes)
{
    const HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(bytes.GetLength());
    bool ok = WriteFile(file, bytes.GetString(), size, &written, nullptr) && written == size;
    ok = FlushFileBuffers(file) && ok;
    return CloseHandle(file) && ok;
}
}

bool WriteFileReplacing(const CString& path, const CString& bytes)
{
    char temporary[MAX_PATH] = "";
    if (!GetTempFileNameA(FolderOf(path), "tap", 0, temporary))
        return false;
    if (WriteAll(temporary, bytes)
        && MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temporary);
    return false;
}
