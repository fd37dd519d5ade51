#pragma once

#include <windows.h>

#include <string>

#include "framework/CNonCopyable.h"
#include "framework/CString.h"

// The service speaks UTF-16; the program keeps 8-bit text in the thread's ANSI
// code page. These convert at the boundary.
std::wstring ToServiceText(const char* text);
CString FromServiceText(const wchar_t* text);

// The name under which the service opens, creates and deletes a job. The
// service lists jobs with their ".job" extension and the program keeps that
// name, but some implementations refuse the extension on the way back in;
// without it every implementation finds the same job file.
std::wstring ToServiceJobName(const char* jobName);

// A text that the service allocated; freed with CoTaskMemFree.
class CCoTaskText : private CNonCopyable
{
public:
    ~CCoTaskText() { Free(); }

    LPWSTR* Out()
    {
        Free();
        return &m_pText;
    }
    bool IsNull() const { return m_pText == nullptr; }
    CString ToString() const { return FromServiceText(m_pText); }

private:
    void Free();

    LPWSTR m_pText = nullptr;
};
