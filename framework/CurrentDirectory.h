#pragma once

#include "framework/CString.h"

// The process's current directory, of any length; empty when it cannot be
// read.
CString GetCurrentDirectoryPath();
