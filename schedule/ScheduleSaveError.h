#pragma once

#include <windows.h>

#include "framework/CString.h"

// The text of the box that reports a failed save of a job: "Error code: " with
// the system error inside the result in decimal when it carries one, and the
// result itself in hexadecimal otherwise (the scheduler's own codes), then the
// message for that code: the system's, else the scheduler's own, else
// "Unknown error".
CString FormatScheduleSaveError(HRESULT result);
