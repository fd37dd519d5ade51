#include "engine/system/FileTreeWalk.h"

#include "engine/system/SystemPaths.h"

namespace {

bool IsDots(const std::string& name)
{
    return name == "." || name == "..";
}

}  // namespace

std::vector<CDirectoryEntry> ListDirectory(const std::string& pattern)
{
    std::vector<CDirectoryEntry> entries;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return entries;
    do
        entries.push_back(CDirectoryEntry{data.cFileName, data.dwFileAttributes});
    while (FindNextFileA(find, &data));
    FindClose(find);
    return entries;
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '\\')
        return folder + name;
    return folder + '\\' + name;
}

bool WalkFileMatches(const std::string& folder, const std::string& pattern, bool recurse,
                     const std::function<bool(const std::string&)>& action, const DirectoryLister& lister,
                     int& nMatches)
{
    for (const CDirectoryEntry& entry : lister(JoinPath(folder, pattern))) {
        if (IsDots(entry.m_strName))
            continue;
        ++nMatches;
        if (!action(JoinPath(folder, entry.m_strName)))
            return false;
    }
    if (!recurse)
        return true;
    for (const CDirectoryEntry& entry : lister(JoinPath(folder, "*.*"))) {
        const bool bFolder = (entry.m_dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        const bool bLink = (entry.m_dwAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        if (!bFolder || bLink || IsDots(entry.m_strName))
            continue;
        if (!WalkFileMatches(JoinPath(folder, entry.m_strName), pattern, recurse, action, lister, nMatches))
            return false;
    }
    return true;
}

bool ApplyToFileArgument(const char* file, bool recurse, const std::function<bool(const std::string&)>& action)
{
    std::string full;
    if (!GetFullPath(file, full))
        return false;
    if (IsDirectory(full.c_str())) {
        if (!action(full))
            return false;
        int nMatches = 0;
        return !recurse || WalkFileMatches(full, "*.*", true, action, ListDirectory, nMatches);
    }
    const size_t slash = full.rfind('\\');
    if (slash == std::string::npos)
        return false;
    int nMatches = 0;
    return WalkFileMatches(full.substr(0, slash + 1), full.substr(slash + 1), recurse, action, ListDirectory,
                           nMatches) &&
           nMatches > 0;
}
