// The longest script texts that the system's 8-bit calls are handed. Past
// these some calls do not fail cleanly but go on with an unset buffer or
// write past one of their own, and a fault there ends the whole program, so
// every 8-bit call that takes script text is asked first:
//
//   if (!FitsSystemCall(kConvertedTextLimit, {name, value}))
//       return false;   // the built-in's own failure result
#pragma once

#include <windows.h>

#include <cstddef>
#include <initializer_list>
#include <string>

// Texts the call converts to wide text: the conversion fails from here.
const size_t kConvertedTextLimit = 32767;
// Paths the call copies into a buffer of MAX_PATH chars, terminator included.
const size_t kCopiedPathLimit = MAX_PATH;
// A computer name: 255 chars at most.
const size_t kComputerNameLimit = 256;
// A folder that the system's temporary-name call adds its 14-char name to
// within MAX_PATH.
const size_t kTemporaryFolderLimit = MAX_PATH - 14 + 1;

// The length of one text handed to a call; a null text is empty.
class CSystemCallText
{
public:
    CSystemCallText(const char* pszText);
    CSystemCallText(const std::string& text) : m_nLength(text.size()) {}

    size_t Length() const { return m_nLength; }

private:
    size_t m_nLength;
};

// True when every text is shorter than the call's limit.
bool FitsSystemCall(size_t nLimit, std::initializer_list<CSystemCallText> texts);
