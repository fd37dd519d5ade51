#include "framework/ExactName.h"

#include "framework/WideText.h"

namespace {

// The short form of an existing file or folder, where it is exact.
bool ExactShortPathName(const wchar_t* pszPath, std::string& path)
{
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
    return false;
}

}  // namespace

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
    if (ExactShortPathName(pszPath, path))
        return true;
    // A name still to be made (a file a script is about to write) has no
    // short form of its own; the folder it goes in may.
    const std::wstring wide = pszPath;
    const size_t slash = wide.find_last_of(L"\\/");
    std::string name;
    if (slash != std::wstring::npos && slash > 0 && NarrowText(wide.c_str() + slash + 1, name, TEXT_REFUSE_LOSS) &&
        !name.empty() && ExactPathName(wide.substr(0, slash).c_str(), path)) {
        path += '\\' + name;
        return true;
    }
    path.clear();
    return false;
}
