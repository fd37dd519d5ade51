#pragma once

#include "framework/CString.h"

// Text rules shared by the two action-line converters. They follow the
// string's clamping: a position of -1 from a failed search never reads
// outside the text, it only yields odd but harmless pieces.

int TextLength(const char* text);
bool StartsWith(const CString& text, const char* prefix);
bool EndsWith(const CString& text, const char* suffix);

// The text from position first up to, not including, position last; empty
// when last is not after first.
CString Slice(const CString& text, int first, int last);

// The text without suffix at its end; unchanged when it does not end so.
CString WithoutSuffix(const CString& text, const char* suffix);

// The text without its last character.
CString WithoutLastChar(const CString& text);

CString TrimmedLeft(CString text);

// Ends a wait or move line that the faster speed mode leaves out.
extern const char kFasterMarker[];

// The four shutdown actions: the description and the argument of
// Shutdown( ) in the script line.
struct ShutdownAction
{
    const char* description;
    const char* argument;
};
extern const ShutdownAction kShutdownActions[4];

// A line split into the action and its two optional suffixes.
struct ActionLineParts
{
    CString action;
    CString tag;                // from the tag opener to the end, or empty
    bool fasterMarker = false;  // ended with "=> [remove on faster speed]"
};

// tagOpener is " At Win [" for descriptions and "-> At Win [" for script
// lines; the last opener with a "]" somewhere after it starts the tag.
ActionLineParts SplitActionLine(const CString& line, const char* tagOpener);

// The converted action followed by the tag and the marker.
CString JoinActionLine(const CString& action, const CString& tag, bool fasterMarker);
