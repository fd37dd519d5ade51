// One-dimensional arrays, the shape of every array a built-in returns.
#pragma once

#include "engine/CScriptValue.h"

// Makes the value an array of n elements; false when n is out of range.
bool MakeArray1D(CScriptValue& value, int n);

// Element n of a one-dimensional array (made when absent); null when out of range.
CScriptValue* ArrayElement1D(CScriptValue& value, int n);
