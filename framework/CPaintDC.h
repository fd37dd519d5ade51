// Contexts that belong to a window: painting (BeginPaint/EndPaint), the client area and
// the whole window (GetDC/GetWindowDC and ReleaseDC). Each gives its context back when it
// goes, after putting back whatever was selected into it.
#pragma once

#include "framework/CDC.h"

class CWnd;

class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

// A context of GetDC or GetWindowDC, given back with ReleaseDC.
class CReleasedDC : public CDC
{
protected:
    using GetContext = HDC(WINAPI*)(HWND);
    CReleasedDC(CWnd* window, GetContext get);
    ~CReleasedDC() override;

private:
    HWND m_hWnd;
};

class CClientDC : public CReleasedDC
{
public:
    explicit CClientDC(CWnd* window) : CReleasedDC(window, ::GetDC) {}
};

class CWindowDC : public CReleasedDC
{
public:
    explicit CWindowDC(CWnd* window) : CReleasedDC(window, ::GetWindowDC) {}
};
