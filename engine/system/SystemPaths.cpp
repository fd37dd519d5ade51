#include "engine/system/SystemPaths.h"

#include <windows.h>
#include <shlobj.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

void StripTrailingBackslash(char* path)
{
    size_t length = std::strlen(path);
    if (length > 0 && path[length - 1] == '\\')
        path[length - 1] = '\0';
}

bool GetFullPath(const char* path, std::string& full)
{
    full.clear();
    DWORD size = GetFullPathNameA(path, 0, nullptr, nullptr);
    if (size == 0)
        return false;
    std::vector<char> buffer(size + 1);
    DWORD length = GetFullPathNameA(path, size + 1, buffer.data(), nullptr);
    if (length == 0 || length > size)
        return false;
    full.assign(buffer.data(), length);
    // "C:\" keeps its backslash: "C:" alone means the drive's current folder.
    bool driveRoot = full.size() == 3 && full[1] == ':';
    if (!full.empty() && full.back() == '\\' && !driveRoot)
        full.pop_back();
    return true;
}

bool GetLongFileName(const char* path, std::string& longName)
{
    longName = path;
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop)))
        return false;
    WCHAR wide[MAX_PATH * 4];
    if (!MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH * 4)) {
        desktop->Release();
        return false;
    }
    LPITEMIDLIST item = nullptr;
    bool ok = false;
    if (SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, wide, nullptr, &item, nullptr))) {
        char buffer[MAX_PATH];
        if (SHGetPathFromIDListA(item, buffer)) {
            longName = buffer;
            ok = true;
        }
        CoTaskMemFree(item);
    }
    desktop->Release();
    return ok;
}

bool AreOnDifferentDrives(const char* first, const char* second)
{
    std::string a;
    std::string b;
    GetFullPath(first, a);
    GetFullPath(second, b);
    if (a.size() < 2 || b.size() < 2 || a[1] != ':' || b[1] != ':')
        return true;
    return std::toupper(static_cast<unsigned char>(a[0])) != std::toupper(static_cast<unsigned char>(b[0]));
}

bool FileExistsPattern(const char* path)
{
    if (std::strpbrk(path, "*?")) {
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA(path, &data);
        if (find == INVALID_HANDLE_VALUE)
            return false;
        FindClose(find);
        return true;
    }
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

bool IsDirectory(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool GetFileVersionText(const char* file, std::string& text)
{
    text.clear();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(file, &handle);
    if (size == 0)
        return false;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(file, 0, size, block.data()))
        return false;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info ||
        length < sizeof(VS_FIXEDFILEINFO))
        return false;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%u.%u.%u.%u", static_cast<unsigned>(HIWORD(info->dwFileVersionMS)),
                  static_cast<unsigned>(LOWORD(info->dwFileVersionMS)),
                  static_cast<unsigned>(HIWORD(info->dwFileVersionLS)),
                  static_cast<unsigned>(LOWORD(info->dwFileVersionLS)));
    text = buffer;
    return true;
}
