#pragma once

// The number grammars of STRINGISFLOAT and STRINGISINT. They test the whole
// text; nothing is skipped, blanks included.

// An optional sign, any digits, one ".", any digits; at least one digit or
// the text is not a number ("." and "+." are not).
bool IsFloatText(const char* text);

// An optional sign followed by one or more digits.
bool IsIntText(const char* text);
