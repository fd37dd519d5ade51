#include "framework/ExactName.h"

#include "framework/WideText.h"

bool ExactFoundName(const WIN32_FIND_DATAW& found, std::string& name)
{
    if (NarrowText(found.cFileName, name, TEXT_REFUSE_LOSS) && !name.empty())
        return true;
    // An entry whose long name is already a short one has no alternate name.
    if (NarrowText(found.cAlternateFileName, name, TEXT_REFUSE_LOSS) && !name.empty())
        return true;
    name.clear();
    return false;
}

bool ExactPathName(const wchar_t* pszPath, std::string& path)
{
    if (NarrowText(pszPath, path, TEXT_REFUSE_LOSS))
        return true;
    if (!pszPath)
        return false;
    // The short form may be longer than the long one for short names.
    DWORD size = GetShortPathNameW(pszPath, nullptr, 0);
    while (size > 0) {
        std::wstring shortPath(size, L'\0');
        const DWORD length = GetShortPathNameW(pszPath, &shortPath[0], size);
        if (length == 0)
            break;
        if (length < size) {
            shortPath.resize(length);
            return NarrowText(shortPath.c_str(), path, TEXT_REFUSE_LOSS);
        }
        size = length;
    }
    path.clear();
    return false;
}
