#pragma once

#include "framework/CString.h"

// The per-user data folder: the user's application-data folder extended by
// "orvantis" and "Tapwright". It holds the "script" folder of robot files and
// the small option files. Callers create it where they write into it.
CString GetUserDataFolder();

// The per-user data folder's "script" sub-folder of robot files, without a
// trailing "\".
CString GetScriptFolder();

// "<script folder>\<name>.txt".
CString RobotFilePath(const CString& robotName);
// "<folder>\<name>.txt", for a script folder already looked up.
CString RobotFilePath(const CString& folder, const CString& robotName);
// Whether a robot file's path stays below MAX_PATH characters: only then can
// the program read the robot back (the list, Edit, the runner, "-a", jobs,
// export all take 8-bit paths of the classic length). A robot file is never
// made, nor listed, beyond it.
bool RobotPathFits(const CString& path);
// The same for "<folder>\<name>.txt".
bool RobotFilePathFits(const CString& folder, const CString& robotName);

// Full path of the program file; empty when the system gives none.
CString GetModuleFilePath();

// The program file's folder without a trailing "\"; empty when the path has
// no "\".
CString GetModuleDirectory();

// Creates the folder and every missing parent, top down. Failures are silent:
// callers notice them when they write into the folder.
void CreateDirectoryPath(const CString& path);
