#include "schedule/ScheduleDiagnostic.h"

#include <cstdio>
#include <cwchar>

void PrintScheduleDiagnostic(const wchar_t* line)
{
    wprintf(L"%ls", line);
    fflush(stdout);
}

void PrintScheduleDiagnostic(const wchar_t* format, HRESULT result)
{
    wprintf(format, static_cast<unsigned>(result));
    fflush(stdout);
}

void PrintScheduleDiagnostic(const wchar_t* format, HRESULT first, HRESULT second)
{
    wprintf(format, static_cast<unsigned>(first), static_cast<unsigned>(second));
    fflush(stdout);
}
