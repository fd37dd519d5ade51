// Searches of 8-bit text that step by character of a code page. On a
// double-byte code page (Japanese, Chinese, Korean) a lead byte and the byte
// after it are one character, and that second byte may be the byte of "\",
// "|" or "]": "表示" is 95 5C 8E A6 in code page 932. A search for a one-byte
// character never stops inside a character, so a name is never cut there:
//
//   const int slash = ReverseFindCharacterIn(path, '\\');
//   const std::string name = path.substr(slash + 1);  // "表示.txt", not "示.txt"
//
// Positions are byte offsets; -1 when nothing is found. On a code page of
// single bytes, and on UTF-8 (whose characters of several bytes hold no byte
// below 0x80), every search is the plain byte search.
#pragma once

#include <windows.h>

#include <string>

// The first character ch at or after start (a start inside a character counts
// from the next character).
int FindCharacterIn(const std::string& text, char ch, int start = 0, UINT uCodePage = CP_ACP);

// The last character ch.
int ReverseFindCharacterIn(const std::string& text, char ch, UINT uCodePage = CP_ACP);

// The first place at or after start where the text sought begins on a
// character; an empty text is found at the first character there (or at the
// end).
int FindTextIn(const std::string& text, const char* pszSought, int start = 0, UINT uCodePage = CP_ACP);

// The first character of the text that is one of the characters of the set.
int FindOneOfIn(const std::string& text, const char* pszCharacters, UINT uCodePage = CP_ACP);

// Whether the last character of the text is ch (a path that ends in "\").
bool EndsWithCharacter(const std::string& text, char ch, UINT uCodePage = CP_ACP);
