#pragma once

#include "framework/CString.h"

// The arguments of the program's command line. A scheduled start may hand the
// program only its arguments ("-a name", without the program's own path), so
// a line that already begins with "-a " is taken whole; otherwise the
// program's path (quoted or not) and the blanks after it are dropped.
CString ProgramArguments(const char* commandLine);

// Whether the arguments ask to run a robot: lower-cased, they must begin with
// exactly "-a "; the robot's name is everything after those three characters
// (lower case, not trimmed).
bool ParseAutoRunRequest(const CString& arguments, CString& robotName);
