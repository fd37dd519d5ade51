// One-dimensional arrays, the shape of every array a built-in returns.
#pragma once

#include "engine/CScriptValue.h"

#include <string>
#include <vector>

// Makes the value an array of n elements; false when n is out of range
// (below 1 or above the element limit).
bool MakeArray1D(CScriptValue& value, int n);

// Element n of a one-dimensional array (made when absent); null when out of range.
CScriptValue* ArrayElement1D(CScriptValue& value, int n);

// The value becomes an array of the texts; false when too many.
bool SetStringArray(CScriptValue& value, const std::vector<std::string>& texts);
