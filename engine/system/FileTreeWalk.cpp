#include "engine/system/FileTreeWalk.h"

#include "engine/system/SystemPaths.h"
#include "framework/ExactName.h"
#include "framework/WideText.h"

namespace {

bool IsDots(const std::string& name)
{
    return name == "." || name == "..";
}

// The 8-bit listing would give a look-alike for a name that the code page
// cannot spell ("..\keep.txt" for a fullwidth backslash), which names a file
// elsewhere; the wide one gives the name itself.
CDirectoryEntry EntryOf(const WIN32_FIND_DATAW& found)
{
    CDirectoryEntry entry{std::string(), found.dwFileAttributes};
    ExactFoundName(found, entry.m_strName);
    std::string longName;
    if (!NarrowText(found.cFileName, longName, TEXT_REFUSE_LOSS))
        entry.m_strLongName = found.cFileName;
    return entry;
}

}  // namespace

HANDLE FindFirstEntry(const char* pattern, CDirectoryEntry& entry)
{
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstExact(pattern, found);
    if (search != INVALID_HANDLE_VALUE)
        entry = EntryOf(found);
    return search;
}

bool FindNextEntry(HANDLE search, CDirectoryEntry& entry)
{
    WIN32_FIND_DATAW found;
    if (!FindNextFileW(search, &found))
        return false;
    entry = EntryOf(found);
    return true;
}

std::vector<CDirectoryEntry> ListDirectory(const std::string& pattern)
{
    std::vector<CDirectoryEntry> entries;
    CDirectoryEntry entry;
    const HANDLE search = FindFirstEntry(pattern.c_str(), entry);
    if (search == INVALID_HANDLE_VALUE)
        return entries;
    do
        entries.push_back(entry);
    while (FindNextEntry(search, entry));
    FindClose(search);
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
        if (entry.m_strName.empty() || !action(JoinPath(folder, entry.m_strName)))
            return false;
    }
    if (!recurse)
        return true;
    for (const CDirectoryEntry& entry : lister(JoinPath(folder, "*.*"))) {
        const bool bFolder = (entry.m_dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        const bool bLink = (entry.m_dwAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        if (!bFolder || bLink || IsDots(entry.m_strName))
            continue;
        if (entry.m_strName.empty() ||
            !WalkFileMatches(JoinPath(folder, entry.m_strName), pattern, recurse, action, lister, nMatches))
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
