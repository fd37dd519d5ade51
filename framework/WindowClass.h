// Window classes registered by the framework, and the common controls' start-up.
#pragma once

#include <windows.h>

// Registers (once per combination) a window class with the system's default procedure
// and returns its name, valid for the life of the process.
const char* AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                                HICON icon = nullptr);
// The class of windows created without a class name: double clicks, arrow cursor,
// window-coloured background.
const char* AfxDefaultWndClass();
// Registers the common control classes; only the first call does anything.
void AfxInitCommonControls();
