#pragma once

#include <windows.h>

#include <functional>

#include "framework/CString.h"

// The caption of the program's own message boxes.
extern const char kApplicationTitle[];

struct CMessageBoxRequest
{
    HWND owner;
    CString text;
    CString caption;
    UINT type;
};

// Every message box of the program goes through one sink. By default the
// system shows the box; tests and tools install a sink that records the
// request and answers at once, so that no box ever blocks them.
using MessageBoxSink = std::function<int(const CMessageBoxRequest&)>;

// Installs sink (an empty one restores the system box) and returns the
// previous sink.
MessageBoxSink SetMessageBoxSink(MessageBoxSink sink);

// MessageBoxA through the sink; returns the button pressed (IDOK, IDYES, ...).
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type);

// A box captioned with the application title, owned by the thread's active
// window, with an OK button unless type says otherwise.
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);
