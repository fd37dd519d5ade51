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

class CClientDC : public CDC
{
public:
    explicit CClientDC(CWnd* window);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};

class CWindowDC : public CDC
{
public:
    explicit CWindowDC(CWnd* window);
    ~CWindowDC() override;

private:
    HWND m_hWnd;
};
