#include "engine/system/SystemPaths.h"

#include "engine/system/SystemTextLimit.h"
#include "framework/ComHolder.h"
#include "framework/FullPathName.h"
#include "framework/WideText.h"

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
    if (!FullPathName(path, full))
        return false;
    // "C:\" keeps its backslash: "C:" alone means the drive's current folder.
    bool driveRoot = full.size() == 3 && full[1] == ':';
    if (full.back() == '\\' && !driveRoot)
        full.pop_back();
    return true;
}

PIDLIST_ABSOLUTE ParseShellItem(const char* path)
{
    std::wstring wide;
    if (!WidenText(path, wide))
        return nullptr;
    CComHolder<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Out())))
        return nullptr;
    PIDLIST_RELATIVE item = nullptr;
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, &item, nullptr)))
        return nullptr;
    return reinterpret_cast<PIDLIST_ABSOLUTE>(item);
}

bool GetLongFileName(const char* path, std::string& longName)
{
    longName = path;
    PIDLIST_ABSOLUTE item = ParseShellItem(path);
    if (!item)
        return false;
    // A long name that the code page cannot spell fails: its look-alike
    // would name another file.
    wchar_t buffer[MAX_PATH] = L"";
    std::string found;
    const bool bFound = SHGetPathFromIDListW(item, buffer) && NarrowText(buffer, found, TEXT_REFUSE_LOSS);
    CoTaskMemFree(item);
    if (bFound)
        longName = found;
    return bFound;
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
    if (!FitsSystemCall(kConvertedTextLimit, {file}))
        return false;
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
