#pragma once

#include <string>

// The texts of the engine's "Internal Error" reports. Composed in one place
// so that the program's box and the test tools show the same words.

// "Line N  (File "PATH"):" or, without a path, "Line N:", then the line's
// text; with a column of 0 or more the text up to it and "^ ERROR"; then the
// message. Lines of any length fit.
std::string ComposeScriptErrorText(int lineNumber, const char* path, const char* lineText, int column,
                                   const char* message);

// The same header and line, then the message and a detail text (a system
// error), with no column marker.
std::string ComposeRuntimeErrorText(int lineNumber, const char* path, const char* lineText, const char* message,
                                    const char* detail);

// The recorded-window failure text; the hint depends on whether similar
// windows may stand in for the recorded one.
std::string ComposeRecordedWindowMissingText(const char* title, bool similarAllowed);

// The system's text for a Windows error code (-1: the thread's last error),
// in one buffer shared by all callers and overwritten by the next call.
const char* GetSystemErrorText(int nCode);
