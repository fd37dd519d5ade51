#pragma once

#include "framework/CString.h"
#include "robot/AppFolders.h"

#include <vector>

// The folder of robot files and the listing that the main dialog's rows, the
// "-a" hand-over between instances and WM_RUNROBOTBYINDEX all count in.

// The files of a folder in the file system's enumeration order: every entry
// that is not a directory, whose name ends in the extension (any case) and
// whose path the 8-bit file calls take (below MAX_PATH). A name that the code
// page cannot spell is given as the file's short name, or left out without one.
// With pLeftOut, each file whose long name ends in the extension but that is
// left out (its path too long, or no exact name that ends in the extension)
// is added there by that long name without the extension, as the system
// narrows it (a character the code page lacks becomes "?" or a look-alike):
// a name for the user to read, never a path.
std::vector<CString> ListFilesWithExtension(const CString& folder, const char* extension,
                                            std::vector<CString>* pLeftOut = nullptr);

// The robot files of a folder: its files ending in ".txt".
std::vector<CString> ListRobotFiles(const CString& folder);

// A robot file's base name: its name without the folder and the ".txt".
// The robot record takes its name from it, so it is the robot's name.
CString RobotFileBaseName(const CString& path);

// The position in ListRobotFiles of the first file whose base name equals the
// robot name without regard to case; the number of files when none does.
int FindRobotFileIndex(const CString& folder, const CString& robotName);

// The base name of the file at that position; empty when there is none.
CString RobotNameAtIndex(const CString& folder, int index);
