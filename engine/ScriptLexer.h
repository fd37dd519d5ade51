#pragma once

#include "engine/CScriptString.h"
#include "engine/CScriptTokenList.h"
#include "engine/IScriptErrorReporter.h"

// Turns one script line into tokens. The list is cleared first and always ends
// with an end-of-line token. Returns 0, or 1 after a lexical error has been
// reported ("Unable to parse line.", "String missing closing quote.",
// "Badly formated variable or macro."). Lines and tokens may be of any length.
// With expandEnvStrings, string literals get ExpandScriptEnvStrings.
int TokeniseScriptLine(const char* line, CScriptTokenList& tokens, bool expandEnvStrings,
                       IScriptErrorReporter& reporter);

// In place: "%%" gives "%", "%NAME%" the environment variable's value (empty
// when not defined), and a "%" without a closing one takes the rest as a name.
void ExpandScriptEnvStrings(CScriptString& text);
