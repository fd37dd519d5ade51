#include "framework/FullPathName.h"

#include <windows.h>

namespace {

bool Widened(const char* pszText, std::wstring& wide)
{
    // Bytes the code page does not define are refused rather than guessed at.
    const int nLength = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, pszText, -1, nullptr, 0);
    if (nLength <= 0)
        return false;
    wide.assign(static_cast<size_t>(nLength), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, pszText, -1, &wide[0], nLength);
    wide.resize(static_cast<size_t>(nLength) - 1);
    return true;
}

// A character the code page lacks would come out as "?", a wildcard that
// matches other names, or as a look-alike that names another file: such a
// path does not convert. The UTF-8 code page holds every character and
// takes neither the flag nor the question.
bool Narrowed(const std::wstring& wide, std::string& text)
{
    const bool bUtf8 = GetACP() == CP_UTF8;
    const DWORD dwFlags = bUtf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL bLost = FALSE;
    const int nLength =
        WideCharToMultiByte(CP_ACP, dwFlags, wide.c_str(), -1, nullptr, 0, nullptr, bUtf8 ? nullptr : &bLost);
    if (nLength <= 0 || bLost)
        return false;
    text.assign(static_cast<size_t>(nLength), '\0');
    WideCharToMultiByte(CP_ACP, dwFlags, wide.c_str(), -1, &text[0], nLength, nullptr, nullptr);
    text.resize(static_cast<size_t>(nLength) - 1);
    return true;
}

}  // namespace

bool FullPathName(const char* pszPath, std::string& strFull)
{
    strFull.clear();
    std::wstring name;
    if (!pszPath || !*pszPath || !Widened(pszPath, name))
        return false;
    // The needed size can change between the calls when another thread
    // changes the current directory: ask again until the path fits.
    DWORD dwSize = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    while (dwSize > 0) {
        std::wstring path(dwSize, L'\0');
        const DWORD dwLength = GetFullPathNameW(name.c_str(), dwSize, &path[0], nullptr);
        if (dwLength == 0)
            return false;
        if (dwLength < dwSize) {
            path.resize(dwLength);
            return Narrowed(path, strFull) && !strFull.empty();
        }
        dwSize = dwLength;
    }
    return false;
}
