#include "engine/system/SystemFiles.h"

#include "engine/system/COsVersion.h"
#include "engine/system/FileTreeWalk.h"
#include "engine/system/SystemPaths.h"
#include "engine/system/SystemTextLimit.h"

#include <shellapi.h>

#include <cstring>
#include <set>
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

// The files (not folders) that a full pattern matches, listed before anything
// acts on them: a copy or a rename that lands in the searched folder and
// matches the pattern would otherwise be met again, and again.
struct PatternMatches
{
    bool anyEntry = false;     // anything other than "." and "..", folders included
    bool unreachable = false;  // a file that no 8-bit path reaches
    std::vector<std::string> files;
};

PatternMatches ListMatchingFiles(const std::string& full)
{
    PatternMatches matches;
    for (const CDirectoryEntry& entry : ListDirectory(full)) {
        if (IsDotEntry(entry.m_strName.c_str()))
            continue;
        matches.anyEntry = true;
        if (entry.m_dwAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        if (entry.m_strName.empty())
            matches.unreachable = true;
        else
            matches.files.push_back(entry.m_strName);
    }
    return matches;
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

// A move on one drive is a rename. Across drives, or to another volume
// mounted under the same letter, it is a copy, then the source is deleted; a
// source that cannot be deleted fails the move and leaves both files. The
// system's copy-allowed move would report that as success. bWritten tells
// whether the target was written.
bool TransferFile(const std::string& source, const std::string& target, bool overwrite, bool move, bool& bWritten)
{
    bWritten = false;
    if (move && !AreOnDifferentDrives(source.c_str(), target.c_str())) {
        bWritten = MoveFileExA(source.c_str(), target.c_str(), overwrite ? MOVEFILE_REPLACE_EXISTING : 0) != FALSE;
        if (bWritten || GetLastError() != ERROR_NOT_SAME_DEVICE)
            return bWritten;
    }
    bWritten = CopyFileA(source.c_str(), target.c_str(), !overwrite) != FALSE;
    return bWritten && (!move || DeleteFileA(source.c_str()));
}

bool CopyOrMoveOne(const std::string& source, const std::string& target, bool overwrite, bool move)
{
    if (SamePath(source, target))
        return move;  // already where it should be; a copy onto itself is an error
    const DWORD dwTarget = GetFileAttributesA(target.c_str());
    bool bWritten = false;
    if (dwTarget == INVALID_FILE_ATTRIBUTES)
        return TransferFile(source, target, overwrite, move, bWritten);
    if (!overwrite)
        return false;
    // The system refuses to copy over a hidden file. The old file is never
    // deleted first, so that a failed copy leaves it as it was: its mark is
    // taken off for the copy and put back when the old file is still there.
    const bool bHidden = (dwTarget & FILE_ATTRIBUTE_HIDDEN) && !(dwTarget & FILE_ATTRIBUTE_DIRECTORY);
    const DWORD dwShown = dwTarget & ~FILE_ATTRIBUTE_HIDDEN;
    if (bHidden && !SetFileAttributesA(target.c_str(), dwShown ? dwShown : FILE_ATTRIBUTE_NORMAL))
        return false;
    const bool bDone = TransferFile(source, target, overwrite, move, bWritten);
    if (bHidden && !bWritten)
        SetFileAttributesA(target.c_str(), dwTarget);
    return bDone;
}

// A file of the pattern and where it goes.
struct FileTransfer
{
    std::string source;
    std::string target;
};

std::string PathKey(const std::string& path)
{
    std::string key = path;
    CharUpperBuffA(&key[0], static_cast<DWORD>(key.size()));
    return key;
}

// True when two files would land on one name, or one on another's own file:
// each would replace what the other brought or has still to go.
bool TargetsCollide(const std::vector<FileTransfer>& transfers)
{
    std::set<std::string> sources;
    for (const FileTransfer& transfer : transfers)
        sources.insert(PathKey(transfer.source));
    std::set<std::string> targets;
    for (const FileTransfer& transfer : transfers) {
        const std::string key = PathKey(transfer.target);
        if (!targets.insert(key).second || (key != PathKey(transfer.source) && sources.count(key)))
            return true;
    }
    return false;
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
    // The shell faults on a longer path at once, or after a long stall that
    // ends the whole program.
    if (!FitsSystemCall(kCopiedPathLimit, {from, to}))
        return false;
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
    const std::string folder = FolderOf(full);
    const PatternMatches matches = ListMatchingFiles(full);
    if (matches.unreachable)
        return false;
    for (const std::string& name : matches.files) {
        if (!DeleteFileA((folder + name).c_str()))
            return false;
    }
    return !matches.files.empty();
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
    const std::string folder = FolderOf(from);
    const PatternMatches matches = ListMatchingFiles(from);
    if (matches.unreachable)
        return false;
    std::vector<FileTransfer> transfers;
    for (const std::string& name : matches.files) {
        FileTransfer transfer{folder + name, std::string()};
        MakeTargetName(name.c_str(), to.c_str(), transfer.target);
        transfers.push_back(transfer);
    }
    if (TargetsCollide(transfers))
        return false;
    for (const FileTransfer& transfer : transfers) {
        if (!CopyOrMoveOne(transfer.source, transfer.target, overwrite, move))
            return false;
    }
    return matches.anyEntry;
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
    if (from.back() != '\\')
        from += '\\';
    from += "*.*";
    // Before the destination is made, so that a refused copy leaves nothing behind.
    if (!FitsSystemCall(kCopiedPathLimit, {from, to}))
        return false;
    if (GetFileAttributesA(to.c_str()) != INVALID_FILE_ATTRIBUTES) {
        if (!overwrite)
            return false;
    } else if (!MakeDirectoryPath(to.c_str())) {
        return false;
    }
    return ShellFileOperation(FO_COPY, from, to, kQuietTreeFlags);
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
    // The converted path is the one checked and handed on: a name that does
    // not convert whole is refused there, so a folder the caller's text does
    // not name is never removed.
    std::string full;
    if (!GetFullPath(path, full) || !IsDirectory(full.c_str()))
        return false;
    if (!recurse)
        return RemoveDirectoryA(full.c_str()) != FALSE;
    return ShellFileOperation(FO_DELETE, full, std::string(), kQuietTreeFlags);
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
