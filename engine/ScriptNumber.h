#pragma once

// The script language's number rules, in one place so that every reader of
// script text gives the same result: our own scanner fixes the extent of a
// number and only that validated text reaches the correctly rounded strtod;
// the C runtime's atof/atoi (which differ between runtimes, wrap on overflow
// or read "inf", "nan" and hexadecimal floats) are never used on script text.

// Longest decimal number at the start of text, after blanks: sign, digits, one
// ".", and an exponent only when digits follow it. Returns the chars taken
// (blanks included) or 0 when no digit was found.
int ScriptScanDecimal(const char* text);

// The double of decimal text that ScriptScanDecimal (or the lexer) validated.
double ScriptConvertDecimal(const char* text, int length);

// Hexadecimal digits as a 32-bit integer; 8 digits with the top bit set give
// a negative number. Empty text gives 0 and succeeds; any other char or more
// than 8 digits give 0 and fail.
bool ScriptReadHex(const char* digits, int length, int& value);

// Number and integer forms of a string: "0x"/"0X" at the very start reads the
// rest as hexadecimal (0 when invalid), else the decimal prefix (0 when none).
double ScriptTextToNumber(const char* text);
int ScriptTextToInteger(const char* text);

// Truncation toward zero that saturates: NaN gives 0, values beyond the 32-bit
// range give its limits.
int ScriptDoubleToInteger(double value);

// Finite and without a fractional part, at any magnitude.
bool ScriptIsWholeNumber(double value);

// "%.15g" through mingw-w64's own formatter ("1e+20", "inf", "-inf"); every
// not-a-number prints "nan". The buffer must hold kScriptNumberTextSize bytes.
constexpr int kScriptNumberTextSize = 32;
int ScriptFormatNumber(double value, char* buffer);
