// The longest script texts that the system's 8-bit calls are handed. Past
// these some calls do not fail cleanly but go on with an unset buffer or
// write past one of their own, and a fault there ends the whole program, so
// every 8-bit call that takes script text is asked first:
//
//   if (!FitsSystemCall(kConvertedTextLimit, {name, value}))
//       return false;   // the built-in's own failure result
//
// A path is measured as the call builds it from the text, which can be far
// longer than the text itself ("%D%", a relative name):
//
//   if (!FitsSystemPath(kCopiedPathLimit, folder, PATH_EXPANDED | PATH_FOLDER_PATTERN))
//       return false;
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

// What a call does to a path before it copies it into its buffer. It always
// makes the path full against the current folder.
enum ESystemPathSteps : unsigned
{
    PATH_MADE_FULL = 0,
    // Expands %NAME% first, as ExpandEnvironmentStrings does.
    PATH_EXPANDED = 1,
    // Appends "\*" when the path names an existing folder.
    PATH_FOLDER_PATTERN = 2
};

// True when every path the call builds from the text on its way, counted in
// the wide chars the system builds it in, is shorter than the call's limit.
// An empty text fits: the call builds nothing from it.
bool FitsSystemPath(size_t nLimit, const char* pszPath, unsigned uSteps);
