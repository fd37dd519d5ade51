#pragma once

#include <string>

class CScriptValueList;

// STRINGFORMAT: the format (argument 0) with its conversions filled from the
// values that follow. Only conversions that are safe to hand to the C
// runtime's formatter are filled: flags "-+ #0", a width and a precision of
// at most 4 digits, an optional "h" or "l" (dropped) and one of
// "diouxXeEfgGs". Any other piece from "%" through its conversion char is
// copied unchanged and takes no value. Formatting stops at a conversion for
// which no value is left. Text for "%s" is cut to 65,535 chars.
std::string ScriptStringFormat(CScriptValueList& args);
