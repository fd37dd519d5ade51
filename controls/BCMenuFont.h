// The system's menu font and the window that menus are measured on, shared
// by BCMenu's structure and drawing code.
#pragma once

#include <windows.h>

#include <string>

#include "framework/CNonCopyable.h"

// Selects the system's menu font into a device context while it lives.
class CMenuFontSelection : private CNonCopyable
{
public:
    explicit CMenuFontSelection(HDC dc);
    ~CMenuFontSelection();

private:
    HDC m_hDC;
    HFONT m_hFont;
    HGDIOBJ m_hOld;
};

// The application's main window, or the desktop when there is none.
HWND MenuOwnerWindow();

// The width of a single line of menu text in the font selected into the context.
int MenuTextWidth(HDC dc, const std::wstring& text);
