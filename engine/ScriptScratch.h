// The scratch records that the engine keeps in its scratch pools from line
// to line: the stacks of an expression and the arguments of a call.
#pragma once

#include "engine/CScriptString.h"
#include "engine/CScriptValue.h"

#include <memory>
#include <vector>

// The value and operator stacks of one expression being evaluated.
struct CExpressionStacks
{
    std::vector<CScriptValue> values;
    std::vector<int> operators;
};

// One argument of a user-function call, ready to be bound in the new frame.
struct CBoundArgument
{
    // The parameter's name in the Func line's tokens.
    const CScriptString* pName = nullptr;
    bool bByRef = false;
    CScriptValue* pTarget = nullptr;
    std::shared_ptr<CScriptValue> keepTarget;
    CScriptValue value;
};
