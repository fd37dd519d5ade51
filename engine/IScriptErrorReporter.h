#pragma once

#include "engine/CScriptString.h"

// Receives the fatal script errors that the lexer (and the rest of the engine)
// find: the message and the column of the line at which to place the error
// marker (-1 for none). The engine object implements it; tests capture it.
class IScriptErrorReporter
{
public:
    virtual void ReportScriptError(const CScriptString& message, int column) = 0;

protected:
    ~IScriptErrorReporter() = default;
};
