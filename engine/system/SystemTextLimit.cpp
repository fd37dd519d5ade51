#include "engine/system/SystemTextLimit.h"

#include "framework/WideText.h"

#include <algorithm>
#include <cstring>

namespace {

// The text with %NAME% expanded; false when the system gives none.
bool ExpandedText(const std::wstring& text, std::wstring& expanded)
{
    // The needed size can grow between the calls when another thread sets a
    // variable: ask again until the text fits.
    expanded.clear();
    DWORD dwSize = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    while (dwSize > expanded.size()) {
        expanded.assign(dwSize, L'\0');
        dwSize = ExpandEnvironmentStringsW(text.c_str(), &expanded[0], dwSize);
    }
    if (dwSize == 0)
        return false;
    expanded.resize(dwSize - 1);
    return true;
}

}  // namespace

CSystemCallText::CSystemCallText(const char* pszText) : m_nLength(pszText ? std::strlen(pszText) : 0) {}

bool FitsSystemCall(size_t nLimit, std::initializer_list<CSystemCallText> texts)
{
    return std::all_of(texts.begin(), texts.end(),
                       [nLimit](const CSystemCallText& text) { return text.Length() < nLimit; });
}

bool FitsSystemPath(size_t nLimit, const char* pszPath, unsigned uSteps)
{
    if (!pszPath || !*pszPath)
        return true;
    if (!FitsSystemCall(kConvertedTextLimit, {pszPath}))
        return false;
    // The 8-bit calls hand the system the text converted as this does.
    std::wstring path = Widened(pszPath);
    if (uSteps & PATH_EXPANDED) {
        std::wstring expanded;
        if (!ExpandedText(path, expanded) || expanded.size() >= nLimit)
            return false;
        path.swap(expanded);
    }
    // Asked with no room, the system gives the size the full path needs, its
    // terminator included.
    const DWORD dwNeeded = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (dwNeeded == 0)
        return false;
    size_t nLength = dwNeeded - 1;
    if (uSteps & PATH_FOLDER_PATTERN) {
        const DWORD dwAttributes = GetFileAttributesW(path.c_str());
        if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
            nLength += 2;
    }
    return nLength < nLimit;
}
