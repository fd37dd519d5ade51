// Reads a part of another program's status bar. The text is written by the
// status bar's own thread, so it must land in memory of the owning process.
#pragma once

#include <windows.h>

#include <string>

// Number of parts of the bar (SB_GETPARTS); 0 when the bar does not answer.
int StatusBarPartCount(HWND bar);

// The text of the 0-based part into text; false when the bar does not answer,
// the part's text may be too long to read, or the owning process cannot be
// opened or its memory cannot be used.
bool ReadStatusBarPart(HWND bar, int part, std::string& text);
