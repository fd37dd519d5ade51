// Small text and value helpers of the built-ins: line ends, bounded copies,
// hexadecimal digits, colour byte order.
#pragma once

#include <cstddef>

// Removes every "\r" in place.
void StripCarriageReturns(char* text);

// The buffer size ExpandLineEnds needs for the text, its terminator included.
size_t ExpandedLineEndsSize(const char* text);

// Copies the text, writing "\r\n" for every "\n"; the destination holds
// ExpandedLineEndsSize(source) chars.
void ExpandLineEnds(const char* source, char* destination);

// Copies at most size - 1 chars and terminates; size 0 writes nothing.
void CopyBounded(char* buffer, const char* text, size_t size);

// Appends as much of the text as keeps the buffer's length below the limit.
void AppendBounded(const char* text, char* buffer, size_t limit);

// A new copy the caller frees with delete[].
char* DuplicateString(const char* text);

// Exchanges the lowest and the third byte (RGB and BGR order).
void SwapRedBlue(unsigned long& colour);

// Exactly length upper-case hex digits of the value (its lowest digits when it
// does not fit) into a buffer of length + 1; true when the whole value fitted.
bool FormatHexDigits(unsigned long value, char* buffer, int length);

// Up to 8 hex digits, no "0x"; false for any other char or more digits.
bool ParseHex(const char* digits, int& value);
