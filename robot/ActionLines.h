#pragma once

#include "framework/CString.h"

// Every action of a robot has two forms: the description line that the
// editor lists ("Mouse Left Click, 3 times") and the script line that the
// robot file stores and the engine runs (MouseClick("left", 3)). Either may
// carry the recorded-window tag (" At Win [n]" in a description,
// "-> At Win [n]" in a script line) and then the speed marker
// "=> [remove on faster speed]"; both convert along unchanged. A line that
// matches no action converts to its suffixes alone.

CString DescriptionToScriptLine(const CString& description);

// A Run line whose third argument is not one character shows a warning box
// and converts on.
CString ScriptLineToDescription(const CString& scriptLine);
