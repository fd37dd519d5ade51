#pragma once

#include <windows.h>

#include "framework/CString.h"

// The text of the box that reports a failed save of a job: "Error code: %d"
// with the system error inside the result when it carries one (the HRESULT
// itself otherwise), then the system's message for that code.
CString FormatScheduleSaveError(HRESULT result);
