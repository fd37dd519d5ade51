#include "framework/ExactName.h"

#include "framework/WideText.h"

#include <algorithm>

HANDLE FindFirstExact(const char* pszPattern, WIN32_FIND_DATAW& found)
{
    std::wstring widePattern;
    if (!WidenText(pszPattern, widePattern, TEXT_REFUSE_LOSS))
        return INVALID_HANDLE_VALUE;
    return FindFirstFileW(widePattern.c_str(), &found);
}

bool FindPathEntry(const std::wstring& path, WIN32_FIND_DATAW& found)
{
    if (path.find_first_of(L"*?") != std::wstring::npos)
        return false;
    const HANDLE hFind = FindFirstFileW(path.c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return false;
    FindClose(hFind);
    return true;
}

namespace {

// The exact short name of the existing entry that a path names.
bool ExactShortName(const std::wstring& path, std::string& name)
{
    WIN32_FIND_DATAW found;
    return FindPathEntry(path, found) && NarrowText(found.cAlternateFileName, name, TEXT_REFUSE_LOSS) && !name.empty();
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
    // Only the names the code page cannot spell change, so the path stays as
    // readable as it can; a name still to be made has no short form.
    const std::wstring wide = pszPath;
    std::string exact;
    size_t start = 0;
    while (start <= wide.size()) {
        const size_t end = std::min(wide.find_first_of(L"\\/", start), wide.size());
        std::string name;
        if (!NarrowText(wide.substr(start, end - start).c_str(), name, TEXT_REFUSE_LOSS) &&
            !ExactShortName(wide.substr(0, end), name)) {
            path.clear();
            return false;
        }
        exact += name;
        if (end < wide.size())
            exact += static_cast<char>(wide[end]);
        start = end + 1;
    }
    path = std::move(exact);
    return true;
}

std::string ExactOrUnreachablePath(const wchar_t* pszPath)
{
    std::string path;
    if (ExactPathName(pszPath, path))
        return path;
    for (const wchar_t* pszChar = pszPath; *pszChar;) {
        const size_t nUnits = IS_HIGH_SURROGATE(pszChar[0]) && IS_LOW_SURROGATE(pszChar[1]) ? 2 : 1;
        std::string spelled;
        path += NarrowText(std::wstring(pszChar, nUnits).c_str(), spelled, TEXT_REFUSE_LOSS) ? spelled : "|";
        pszChar += nUnits;
    }
    return path;
}

bool IsAnotherFilesShortName(const char* pszPath)
{
    std::wstring wide;
    return WidenText(pszPath, wide, TEXT_REFUSE_LOSS) && IsAnotherFilesShortName(wide);
}

bool IsAnotherFilesShortName(const std::wstring& path)
{
    WIN32_FIND_DATAW found;
    if (!FindPathEntry(path, found))
        return false;
    const std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
    return CompareStringOrdinal(found.cFileName, -1, name.c_str(), -1, TRUE) != CSTR_EQUAL;
}
