#pragma once

#include "framework/CString.h"

// 0 to 15 for "0" to "9", "a" to "f" and "A" to "F"; 0 for any other text,
// longer ones included.
int HexDigitValue(const CString& digit);

// "0" to "9" and "A" to "F" for 0 to 15; empty for any other value.
CString HexDigitChar(unsigned value);
