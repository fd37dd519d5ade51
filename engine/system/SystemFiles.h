// File and folder operations of the file built-ins, with wildcards.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

// One shell file operation (FO_COPY, FO_MOVE, FO_DELETE) on single paths;
// false when it failed or was aborted, or a path has MAX_PATH chars or more.
bool ShellFileOperation(UINT operation, const std::string& from, const std::string& to, FILEOP_FLAGS flags);

// Deletes every file matching the pattern (a folder means all its files);
// true when at least one was deleted and none failed. When a match has no
// 8-bit name that reaches it, nothing is deleted and the result is false.
bool DeleteFiles(const char* pattern);

// The target name of a copy: "*" in the destination's name and extension stand
// for the source's name and extension.
void MakeTargetName(const char* sourceName, const char* destination, std::string& target);

// Copies or moves every file matching the pattern; true when the pattern
// matched anything and nothing failed. Every file arrives under its own long
// name (as the destination's pattern makes it), also one that the code page
// cannot spell. A file is never copied or moved onto itself; when two files
// would land on one name, or one on another match, or a target is another
// file's short name, nothing is done and the result is false.
bool CopyMoveFiles(const char* source, const char* destination, bool overwrite, bool move);

// Makes the folder and its missing parents; an existing folder is success.
bool MakeDirectoryPath(const char* path);

// Copies everything in the source folder into the destination folder.
bool CopyDirectory(const char* source, const char* destination, bool overwrite);

// Moves a folder; across drives the source is deleted only after a complete copy.
bool MoveDirectory(const char* source, const char* destination, bool overwrite);

// Removes a folder, with recurse its whole content too; false when the
// path does not convert to a full path naming a folder.
bool RemoveDirectoryTree(const char* path, bool recurse);

// Sets the creation (type 1), last-access (2) or last-write (other) time.
bool SetFileTimeByType(const char* file, const FILETIME& time, int type);
