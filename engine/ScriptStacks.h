#pragma once

#include "engine/CScriptBlock.h"
#include "engine/CScriptStack.h"
#include "engine/CScriptValue.h"

// The top of an empty integer stack reads 0; of a value stack the number 0;
// of a block stack a block of zeros with an empty name and two values 0.
using CScriptIntStack = CScriptStack<int>;
using CScriptValueStack = CScriptStack<CScriptValue>;
using CScriptBlockStack = CScriptStack<CScriptBlock>;
