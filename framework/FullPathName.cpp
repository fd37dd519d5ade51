#include "framework/FullPathName.h"

#include "framework/ExactName.h"
#include "framework/WideText.h"

#include <windows.h>

bool FullPathName(const char* pszPath, std::string& strFull)
{
    strFull.clear();
    // Bytes the code page does not define are refused rather than guessed at.
    std::wstring name;
    if (!pszPath || !*pszPath || !WidenText(pszPath, name, TEXT_REFUSE_LOSS))
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
            return ExactPathName(path.c_str(), strFull) && !strFull.empty();
        }
        dwSize = dwLength;
    }
    return false;
}
