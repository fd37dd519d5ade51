#include "engine/system/SystemFiles.h"

#include "engine/system/COsVersion.h"
#include "engine/system/SystemPaths.h"

#include <shellapi.h>

#include <cstring>
#include <vector>

namespace {

bool IsDotEntry(const char* name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

std::string FolderOf(const std::string& path)
{
    size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// What a walk over the entries of a pattern met: an entry other than "." and
// "..", a file, an action that failed.
struct MatchWalk
{
    bool bEntry = false;
    bool bFile = false;
    bool bFailed = false;
};

// Hands each file (not folder) that the full pattern matches to the action,
// as its full path and its name, in the system's order, until one fails.
template <class Action>
MatchWalk WalkMatchingFiles(const std::string& full, Action action)
{
    MatchWalk walk;
    const std::string folder = FolderOf(full);
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(full.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return walk;
    do {
        if (IsDotEntry(data.cFileName))
            continue;
        walk.bEntry = true;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        walk.bFile = true;
        walk.bFailed = !action(folder + data.cFileName, data.cFileName);
    } while (!walk.bFailed && FindNextFileA(find, &data));
    FindClose(find);
    return walk;
}

// A full path; a folder stands for all its files. False when the system
// refuses the path.
bool FullPattern(const char* path, std::string& full)
{
    if (!GetFullPath(path, full))
        return false;
    if (IsDirectory(full.c_str())) {
        if (full.back() != '\\')
            full += '\\';
        full += "*.*";
    }
    return true;
}

void SplitExtension(const std::string& name, std::string& stem, std::string& extension)
{
    size_t dot = name.rfind('.');
    stem = dot == std::string::npos ? name : name.substr(0, dot);
    extension = dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

// The first "*" becomes the replacement, further ones are dropped.
std::string ReplaceStar(const std::string& pattern, const std::string& replacement)
{
    std::string result;
    bool replaced = false;
    for (char c : pattern) {
        if (c != '*')
            result += c;
        else if (!replaced) {
            result += replacement;
            replaced = true;
        }
    }
    return result;
}

bool SamePath(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

bool CopyOrMoveOne(const std::string& source, const std::string& target, bool overwrite, bool move)
{
    if (SamePath(source, target))
        return move;  // already where it should be; a copy onto itself is an error
    if (!overwrite && GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES)
        return false;
    if (!move)
        return CopyFileA(source.c_str(), target.c_str(), !overwrite) != FALSE;
    if (!AreOnDifferentDrives(source.c_str(), target.c_str()))
        return MoveFileExA(source.c_str(), target.c_str(), overwrite ? MOVEFILE_REPLACE_EXISTING : 0) != FALSE;
    return CopyFileA(source.c_str(), target.c_str(), !overwrite) && DeleteFileA(source.c_str());
}

// Full paths of a source folder and a different destination.
bool DistinctFolderPaths(const char* source, const char* destination, std::string& from, std::string& to)
{
    return IsDirectory(source) && GetFullPath(source, from) && GetFullPath(destination, to) && !SamePath(from, to);
}

const FILEOP_FLAGS kQuietTreeFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI;

}  // namespace

// The shell reads its path lists up to two NULs.
bool ShellFileOperation(UINT operation, const std::string& from, const std::string& to, FILEOP_FLAGS flags)
{
    std::vector<char> fromList(from.begin(), from.end());
    fromList.insert(fromList.end(), 2, '\0');
    std::vector<char> toList(to.begin(), to.end());
    toList.insert(toList.end(), 2, '\0');
    SHFILEOPSTRUCTA op = {};
    op.wFunc = operation;
    op.pFrom = fromList.data();
    op.pTo = to.empty() ? nullptr : toList.data();
    op.fFlags = flags;
    return SHFileOperationA(&op) == 0 && !op.fAnyOperationsAborted;
}

bool DeleteFiles(const char* pattern)
{
    std::string full;
    if (!FullPattern(pattern, full))
        return false;
    const MatchWalk walk =
        WalkMatchingFiles(full, [](const std::string& path, const char*) { return DeleteFileA(path.c_str()) != 0; });
    return walk.bFile && !walk.bFailed;
}

void MakeTargetName(const char* sourceName, const char* destination, std::string& target)
{
    std::string dest = destination;
    std::string folder = FolderOf(dest);
    std::string destName = dest.substr(folder.size());
    if (destName.find('*') == std::string::npos) {
        target = dest;
        return;
    }
    std::string source = sourceName;
    source = source.substr(FolderOf(source).size());
    std::string sourceStem;
    std::string sourceExtension;
    std::string destStem;
    std::string destExtension;
    SplitExtension(source, sourceStem, sourceExtension);
    SplitExtension(destName, destStem, destExtension);
    std::string extension = ReplaceStar(destExtension, sourceExtension);
    if (extension.empty())
        extension = sourceExtension;
    target = folder + ReplaceStar(destStem, sourceStem);
    if (!extension.empty())
        target += "." + extension;
}

bool CopyMoveFiles(const char* source, const char* destination, bool overwrite, bool move)
{
    std::string from;
    std::string to;
    if (!FullPattern(source, from) || !FullPattern(destination, to))
        return false;
    const MatchWalk walk = WalkMatchingFiles(from, [&](const std::string& path, const char* name) {
        std::string target;
        MakeTargetName(name, to.c_str(), target);
        return CopyOrMoveOne(path, target, overwrite, move);
    });
    return walk.bEntry && !walk.bFailed;
}

bool MakeDirectoryPath(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    DWORD error = GetLastError();
    if (error == ERROR_PATH_NOT_FOUND) {
        std::string parent = path;
        size_t slash = parent.rfind('\\');
        if (slash == std::string::npos || slash == 0)
            return false;
        parent.resize(slash);
        if (!MakeDirectoryPath(parent.c_str()))
            return false;
    } else if (error != ERROR_FILE_NOT_FOUND) {
        return false;
    }
    return CreateDirectoryA(path, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool CopyDirectory(const char* source, const char* destination, bool overwrite)
{
    std::string from;
    std::string to;
    if (!DistinctFolderPaths(source, destination, from, to))
        return false;
    if (GetFileAttributesA(to.c_str()) != INVALID_FILE_ATTRIBUTES) {
        if (!overwrite)
            return false;
    } else if (!MakeDirectoryPath(to.c_str())) {
        return false;
    }
    if (from.back() != '\\')
        from += '\\';
    return ShellFileOperation(FO_COPY, from + "*.*", to, kQuietTreeFlags);
}

bool MoveDirectory(const char* source, const char* destination, bool overwrite)
{
    std::string from;
    std::string to;
    if (!DistinctFolderPaths(source, destination, from, to))
        return false;
    if (GetFileAttributesA(to.c_str()) != INVALID_FILE_ATTRIBUTES && !overwrite)
        return false;
    if (!AreOnDifferentDrives(from.c_str(), to.c_str()))
        return ShellFileOperation(FO_MOVE, from, to, kQuietTreeFlags);
    return CopyDirectory(from.c_str(), to.c_str(), true) && RemoveDirectoryTree(from.c_str(), true);
}

bool RemoveDirectoryTree(const char* path, bool recurse)
{
    if (!IsDirectory(path))
        return false;
    if (!recurse)
        return RemoveDirectoryA(path) != FALSE;
    std::string full;
    return GetFullPath(path, full) && ShellFileOperation(FO_DELETE, full, std::string(), kQuietTreeFlags);
}

bool SetFileTimeByType(const char* file, const FILETIME& time, int type)
{
    if (COsVersion::Current().m_b9x && IsDirectory(file))
        return true;
    HANDLE handle =
        CreateFileA(file, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    BOOL ok = SetFileTime(handle, type == 1 ? &time : nullptr, type == 2 ? &time : nullptr,
                          type != 1 && type != 2 ? &time : nullptr);
    CloseHandle(handle);
    return ok != FALSE;
}
