#pragma once

#include "framework/CString.h"

// "option.ini" in the per-user data folder remembers whether the tips show at
// start: one line "showtip=%d".

// The show-tips value after reading the file: for every line that begins with
// "showtip=", 0 when the rest is exactly "0", else 1; the last such line
// wins. A missing or unreadable file leaves the current value.
int ReadShowTipsOption(const CString& path, int current);

// Writes the file anew with the one line; a file that cannot be written is
// ignored.
void WriteShowTipsOption(const CString& path, int showTips);
