#pragma once

#include "framework/CString.h"

// Leading decimal number of the text: blanks, an optional sign, then digits up
// to the first other character; 0 when there is none. Values beyond the 32-bit
// range saturate at its ends instead of wrapping.
int StringToInt(const CString& text);

// Decimal text of the value, "-" in front of negatives.
CString IntToString(int value);
