#pragma once

#include "framework/CString.h"

// The open-file dialog "Run Script:" for "*.txt" files; false on cancel.
bool AskForScriptFile(CString& strPath);
