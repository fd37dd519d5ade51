#include "robot/WriteFileReplacing.h"

#include "framework/CFile.h"
#include "framework/FullPathName.h"
#include "framework/WideText.h"

#include <windows.h>

#include <cstring>
#include <functional>
#include <string>

namespace {
// The path as the wide calls take it at any length. Beyond the classic limit
// only the "\\?\" form is accepted, and that form is not parsed any further,
// so it is given the full path.
std::wstring WidePathAnyLength(const CString& path)
{
    std::string full;
    if (!FullPathName(path, full))
        return std::wstring();
    const std::wstring wide = Widened(full.c_str());
    if (wide.size() < MAX_PATH || wide.compare(0, 4, L"\\\\?\\") == 0)
        return wide;
    if (wide.compare(0, 2, L"\\\\") == 0)
        return L"\\\\?\\UNC\\" + wide.substr(2);
    return L"\\\\?\\" + wide;
}

CString FolderOf(const CString& path)
{
    const int slash = path.ReverseFind('\\');
    return slash < 0 ? CString(".") : path.Left(slash);
}

// A new, empty file of a name of its own in the folder; its path as the wide
// calls take it, or empty when none could be made. The name is made here
// rather than by the system, whose temporary names stop at the classic path
// limit.
std::wstring MakeTemporaryFile(const CString& folder)
{
    static DWORD s_counter = GetTickCount();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const DWORD unique = (GetCurrentProcessId() << 16) ^ ++s_counter;
        const std::wstring path = WidePathAnyLength(folder + "\\tap" + std::to_string(unique).c_str() + ".tmp");
        if (path.empty())
            break;
        const HANDLE file =
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return path;
        }
        if (GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    return std::wstring();
}

bool WriteAndFlush(const std::wstring& path, const CString& bytes)
{
    CFile file;
    return file.Open(path.c_str(), CFile::modeWrite | CFile::modeCreate | CFile::shareExclusive) &&
           file.Write(bytes.GetString(), static_cast<UINT>(bytes.GetLength())) && file.Flush();
}

// The new content goes to a temporary file that fill makes whole, and is moved
// to its name only at the end: the move's flags decide whether it may replace
// what is there.
bool FillThroughTemporary(const CString& path, const std::function<bool(const std::wstring&)>& fill, DWORD moveFlags)
{
    const std::wstring target = WidePathAnyLength(path);
    if (target.empty())
        return false;
    const std::wstring temporary = MakeTemporaryFile(FolderOf(path));
    if (temporary.empty())
        return false;
    if (fill(temporary) && MoveFileExW(temporary.c_str(), target.c_str(), moveFlags))
        return true;
    // A copy gives the temporary file the source's attributes, read-only too.
    SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(temporary.c_str());
    return false;
}

bool WriteThroughTemporary(const CString& path, const CString& bytes, DWORD moveFlags)
{
    return FillThroughTemporary(
        path, [&bytes](const std::wstring& temporary) { return WriteAndFlush(temporary, bytes); }, moveFlags);
}

bool CopyThroughTemporary(const CString& source, const CString& path, DWORD moveFlags)
{
    const std::wstring from = WidePathAnyLength(source);
    return !from.empty() && FillThroughTemporary(
                                path,
                                [&from](const std::wstring& temporary) {
                                    return CopyFileW(from.c_str(), temporary.c_str(), FALSE) != 0;
                                },
                                moveFlags);
}
}  // namespace

bool WriteFileReplacing(const CString& path, const CString& bytes)
{
    return WriteThroughTemporary(path, bytes, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

bool WriteNewFile(const CString& path, const CString& bytes)
{
    return WriteThroughTemporary(path, bytes, MOVEFILE_WRITE_THROUGH);
}

bool CopyFileReplacing(const CString& source, const CString& path)
{
    return CopyThroughTemporary(source, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

bool CopyNewFile(const CString& source, const CString& path)
{
    return CopyThroughTemporary(source, path, MOVEFILE_WRITE_THROUGH);
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
