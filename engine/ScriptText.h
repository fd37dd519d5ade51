#pragma once

#include <cstddef>

// Case rules of script text: names and comparisons fold only ASCII letters, so
// results never depend on the C runtime's locale; bytes 0x80-0xFF compare as
// unsigned values.
inline unsigned char ScriptFoldCase(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

inline bool ScriptIsLetter(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

inline bool ScriptIsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

// Blanks as the C runtime's number readers skip them.
inline bool ScriptIsBlank(unsigned char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Ordering of stricmp: negative, 0 or positive.
int ScriptCompareNoCase(const char* a, const char* b);
// Ordering of strnicmp over at most count chars.
int ScriptCompareNoCaseN(const char* a, const char* b, std::size_t count);
