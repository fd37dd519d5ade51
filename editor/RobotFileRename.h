#pragma once

#include "framework/CString.h"

#include <windows.h>

#include <functional>

// The move a rename makes: the system's 8-bit move, which never replaces a
// file. Tests hand in one that fails where they choose.
using FileMove = std::function<BOOL(LPCSTR from, LPCSTR to)>;

// Gives the robot file of oldName in the folder the name newName, which
// differs from it only in case. A file system that ignores case may take the
// direct move for a move to itself, so the file goes by a name of its own in
// between, exactly as long as its robot file's path: the 8-bit move makes a
// destination of any length but takes no source beyond the classic path
// length, so from a longer name the file could be moved neither on nor back.
// True when the file has the new name; false when a move failed, the file
// then keeping or taking back its old name.
bool RenameRobotFileChangingCase(const CString& folder, const CString& oldName, const CString& newName,
                                 const FileMove& move = ::MoveFileA);
