#include "engine/ScriptPaths.h"

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <string>

namespace {

std::wstring Widened(const char* text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length) - 1);
    return wide;
}

CString Narrowed(const std::wstring& wide)
{
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return CString();
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &text[0], length, nullptr, nullptr);
    text.resize(static_cast<size_t>(length) - 1);
    return CString(std::move(text));
}

}  // namespace

// Through the wide form: the 8-bit call refuses paths beyond 260 characters.
bool GetFullPath(const char* pszFileName, CString& strFullPath)
{
    if (!pszFileName || !*pszFileName)
        return false;
    const std::wstring name = Widened(pszFileName);
    // The needed size can change between the calls if the current directory
    // does: ask again until the path fits.
    DWORD size = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    while (size > 0) {
        std::wstring path(size, L'\0');
        const DWORD length = GetFullPathNameW(name.c_str(), size, &path[0], nullptr);
        if (length == 0)
            return false;
        if (length < size) {
            path.resize(length);
            strFullPath = Narrowed(path);
            return !strFullPath.IsEmpty();
        }
        size = length;
    }
    return false;
}

CString LongPathName(const CString& strPath)
{
    std::wstring widePath = Widened(strPath);
    if (widePath.empty())
        return strPath;

    CString longPath = strPath;
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop)))
        return longPath;
    PIDLIST_RELATIVE idList = nullptr;
    if (SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, &widePath[0], nullptr, &idList, nullptr))) {
        char buffer[MAX_PATH] = "";
        if (SHGetPathFromIDListA(reinterpret_cast<PCIDLIST_ABSOLUTE>(idList), buffer))
            longPath = buffer;
        CoTaskMemFree(idList);
    }
    desktop->Release();
    return longPath;
}

bool AskForScriptFile(CString& strPath)
{
    char buffer[MAX_PATH] = "";
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.lpstrFilter = "Marionet files (*.txt)\0*.txt\0";
    dialog.lpstrFile = buffer;
    dialog.nMaxFile = sizeof buffer;
    dialog.lpstrTitle = "Run Script:";
    dialog.lpstrDefExt = "txt";
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameA(&dialog))
        return false;
    strPath = buffer;
    return true;
}
