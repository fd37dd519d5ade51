#pragma once

#include <windows.h>

// Diagnostic lines of the scheduler operations go to standard output; a
// windowed program normally does not show them, a console or a test does.
void PrintScheduleDiagnostic(const wchar_t* line);
void PrintScheduleDiagnostic(const wchar_t* format, HRESULT result);
void PrintScheduleDiagnostic(const wchar_t* format, HRESULT first, HRESULT second);
