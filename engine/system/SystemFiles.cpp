#include "engine/system/SystemFiles.h"

#include "engine/system/COsVersion.h"
#include "engine/system/FileTreeWalk.h"
#include "engine/system/SystemPaths.h"
#include "engine/system/SystemTextLimit.h"
#include "framework/ExactName.h"
#include "framework/WideText.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

namespace {

bool IsDotEntry(const char* name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

template <class Char>
std::basic_string<Char> FolderOf(const std::basic_string<Char>& path)
{
    const size_t slash = path.rfind(Char('\\'));
    return slash == std::basic_string<Char>::npos ? std::basic_string<Char>() : path.substr(0, slash + 1);
}

// The files (not folders) that a full pattern matches, listed before anything
// acts on them: a copy or a rename that lands in the searched folder and
// matches the pattern would otherwise be met again, and again.
struct PatternMatches
{
    bool anyEntry = false;  // anything other than "." and "..", folders included
    std::vector<CDirectoryEntry> files;
};

PatternMatches ListMatchingFiles(const std::string& full)
{
    PatternMatches matches;
    for (const CDirectoryEntry& entry : ListDirectory(full)) {
        if (IsDotEntry(entry.m_strName.c_str()))
            continue;
        matches.anyEntry = true;
        if (!(entry.m_dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
            matches.files.push_back(entry);
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

template <class Char>
void SplitExtension(const std::basic_string<Char>& name, std::basic_string<Char>& stem,
                    std::basic_string<Char>& extension)
{
    const size_t dot = name.rfind(Char('.'));
    stem = dot == std::basic_string<Char>::npos ? name : name.substr(0, dot);
    extension = dot == std::basic_string<Char>::npos ? std::basic_string<Char>() : name.substr(dot + 1);
}

// The first "*" becomes the replacement, further ones are dropped.
template <class Char>
std::basic_string<Char> ReplaceStar(const std::basic_string<Char>& pattern, const std::basic_string<Char>& replacement)
{
    std::basic_string<Char> result;
    bool replaced = false;
    for (Char c : pattern) {
        if (c != Char('*'))
            result += c;
        else if (!replaced) {
            result += replacement;
            replaced = true;
        }
    }
    return result;
}

template <class Char>
std::basic_string<Char> TargetName(const std::basic_string<Char>& sourceName, const std::basic_string<Char>& dest)
{
    const std::basic_string<Char> folder = FolderOf(dest);
    const std::basic_string<Char> destName = dest.substr(folder.size());
    if (destName.find(Char('*')) == std::basic_string<Char>::npos)
        return dest;
    std::basic_string<Char> sourceStem;
    std::basic_string<Char> sourceExtension;
    std::basic_string<Char> destStem;
    std::basic_string<Char> destExtension;
    SplitExtension(sourceName.substr(FolderOf(sourceName).size()), sourceStem, sourceExtension);
    SplitExtension(destName, destStem, destExtension);
    std::basic_string<Char> extension = ReplaceStar(destExtension, sourceExtension);
    if (extension.empty())
        extension = sourceExtension;
    std::basic_string<Char> target = folder + ReplaceStar(destStem, sourceStem);
    if (!extension.empty())
        target += Char('.') + extension;
    return target;
}

// The system's file calls, for 8-bit paths and for the wide paths of the
// files whose long names the code page cannot spell.
bool SamePath(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}
bool SamePath(const std::wstring& a, const std::wstring& b)
{
    return lstrcmpiW(a.c_str(), b.c_str()) == 0;
}
DWORD AttributesOf(const std::string& path)
{
    return GetFileAttributesA(path.c_str());
}
DWORD AttributesOf(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str());
}
bool SetAttributes(const std::string& path, DWORD dwAttributes)
{
    return SetFileAttributesA(path.c_str(), dwAttributes) != FALSE;
}
bool SetAttributes(const std::wstring& path, DWORD dwAttributes)
{
    return SetFileAttributesW(path.c_str(), dwAttributes) != FALSE;
}
bool RenameFile(const std::string& source, const std::string& target, DWORD dwFlags)
{
    return MoveFileExA(source.c_str(), target.c_str(), dwFlags) != FALSE;
}
bool RenameFile(const std::wstring& source, const std::wstring& target, DWORD dwFlags)
{
    return MoveFileExW(source.c_str(), target.c_str(), dwFlags) != FALSE;
}
bool DuplicateFile(const std::string& source, const std::string& target, bool bFailIfExists)
{
    return CopyFileA(source.c_str(), target.c_str(), bFailIfExists) != FALSE;
}
bool DuplicateFile(const std::wstring& source, const std::wstring& target, bool bFailIfExists)
{
    return CopyFileW(source.c_str(), target.c_str(), bFailIfExists) != FALSE;
}
bool RemoveFile(const std::string& path)
{
    return DeleteFileA(path.c_str()) != FALSE;
}
bool RemoveFile(const std::wstring& path)
{
    return DeleteFileW(path.c_str()) != FALSE;
}

// A move on one drive is a rename. Across drives, or to another volume
// mounted under the same letter, it is a copy, then the source is deleted; a
// source that cannot be deleted fails the move and leaves both files. The
// system's copy-allowed move would report that as success. bWritten tells
// whether the target was written.
template <class Text>
bool TransferFile(const Text& source, const Text& target, bool overwrite, bool move, bool bOneDrive, bool& bWritten)
{
    bWritten = false;
    if (move && bOneDrive) {
        bWritten = RenameFile(source, target, overwrite ? MOVEFILE_REPLACE_EXISTING : 0);
        if (bWritten || GetLastError() != ERROR_NOT_SAME_DEVICE)
            return bWritten;
    }
    bWritten = DuplicateFile(source, target, !overwrite);
    return bWritten && (!move || RemoveFile(source));
}

template <class Text>
bool CopyOrMoveOne(const Text& source, const Text& target, bool overwrite, bool move, bool bOneDrive)
{
    if (SamePath(source, target))
        return move;  // already where it should be; a copy onto itself is an error
    const DWORD dwTarget = AttributesOf(target);
    bool bWritten = false;
    if (dwTarget == INVALID_FILE_ATTRIBUTES)
        return TransferFile(source, target, overwrite, move, bOneDrive, bWritten);
    if (!overwrite)
        return false;
    // The system refuses to copy over a hidden file. The old file is never
    // deleted first, so that a failed copy leaves it as it was: its mark is
    // taken off for the copy and put back when the old file is still there.
    const bool bHidden = (dwTarget & FILE_ATTRIBUTE_HIDDEN) && !(dwTarget & FILE_ATTRIBUTE_DIRECTORY);
    const DWORD dwShown = dwTarget & ~FILE_ATTRIBUTE_HIDDEN;
    if (bHidden && !SetAttributes(target, dwShown ? dwShown : FILE_ATTRIBUTE_NORMAL))
        return false;
    const bool bDone = TransferFile(source, target, overwrite, move, bOneDrive, bWritten);
    if (bHidden && !bWritten)
        SetAttributes(target, dwTarget);
    return bDone;
}

// A file of the pattern and where it goes: by 8-bit paths, or by wide ones
// for a file whose long name the code page cannot spell, so that it keeps
// that name.
struct FileTransfer
{
    std::string source;
    std::string target;
    std::wstring wideSource;
    std::wstring wideTarget;

    bool IsWide() const { return !wideSource.empty(); }
    bool Run(bool overwrite, bool move, bool bOneDrive) const
    {
        return IsWide() ? CopyOrMoveOne(wideSource, wideTarget, overwrite, move, bOneDrive)
                        : CopyOrMoveOne(source, target, overwrite, move, bOneDrive);
    }
};

std::wstring PathKey(const std::string& narrow, const std::wstring& wide)
{
    std::wstring key = wide.empty() ? Widened(narrow.c_str()) : wide;
    CharUpperBuffW(&key[0], static_cast<DWORD>(key.size()));
    return key;
}

// True when two files would land on one name, or one on another's own file:
// each would replace what the other brought or has still to go.
bool TargetsCollide(const std::vector<FileTransfer>& transfers)
{
    std::set<std::wstring> sources;
    for (const FileTransfer& transfer : transfers)
        sources.insert(PathKey(transfer.source, transfer.wideSource));
    std::set<std::wstring> targets;
    for (const FileTransfer& transfer : transfers) {
        const std::wstring key = PathKey(transfer.target, transfer.wideTarget);
        if (!targets.insert(key).second || (key != PathKey(transfer.source, transfer.wideSource) && sources.count(key)))
            return true;
    }
    return false;
}

// Where each file of the pattern goes; false when a file cannot go under its
// own name, or a target is reached through another file's short name.
bool PlanTransfers(const std::string& folder, const std::vector<CDirectoryEntry>& files, const std::string& to,
                   std::vector<FileTransfer>& transfers)
{
    std::wstring wideFolder;
    std::wstring wideTo;
    for (const CDirectoryEntry& file : files) {
        FileTransfer transfer;
        if (file.m_strLongName.empty()) {
            transfer.source = folder + file.m_strName;
            transfer.target = TargetName(file.m_strName, to);
        } else if (wideTo.empty() && !(WidenText(folder.c_str(), wideFolder, TEXT_REFUSE_LOSS) &&
                                       WidenText(to.c_str(), wideTo, TEXT_REFUSE_LOSS))) {
            return false;
        } else {
            transfer.wideSource = wideFolder + file.m_strLongName;
            transfer.wideTarget = TargetName(file.m_strLongName, wideTo);
        }
        if (transfer.IsWide() ? IsAnotherFilesShortName(transfer.wideTarget)
                              : IsAnotherFilesShortName(transfer.target.c_str()))
            return false;
        transfers.push_back(transfer);
    }
    return !TargetsCollide(transfers);
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
    if (std::any_of(matches.files.begin(), matches.files.end(),
                    [](const CDirectoryEntry& file) { return file.m_strName.empty(); }))
        return false;
    for (const CDirectoryEntry& file : matches.files) {
        if (!DeleteFileA((folder + file.m_strName).c_str()))
            return false;
    }
    return !matches.files.empty();
}

void MakeTargetName(const char* sourceName, const char* destination, std::string& target)
{
    target = TargetName(std::string(sourceName), std::string(destination));
}

bool CopyMoveFiles(const char* source, const char* destination, bool overwrite, bool move)
{
    std::string from;
    std::string to;
    if (!FullPattern(source, from) || !FullPattern(destination, to))
        return false;
    const PatternMatches matches = ListMatchingFiles(from);
    std::vector<FileTransfer> transfers;
    if (!PlanTransfers(FolderOf(from), matches.files, to, transfers))
        return false;
    const bool bOneDrive = !AreOnDifferentDrives(from.c_str(), to.c_str());
    for (const FileTransfer& transfer : transfers) {
        if (!transfer.Run(overwrite, move, bOneDrive))
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
