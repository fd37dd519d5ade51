// The script's progress window: a title, a main text, a progress bar and a
// sub text. At most one is open; destroying the object closes it.
#pragma once

#include "engine/system/ScriptPopupWindow.h"
#include "framework/CNonCopyable.h"

class CProgressWindow : private CNonCopyable
{
public:
    ~CProgressWindow() { Destroy(); }

    // Closes an open window first; the frame's client size is fixed here.
    void Open(CPopupFrame frame, const char* mainText, const char* subText, HWND owner);
    // Each does nothing while no window is open; a percent outside 0 to 100
    // leaves the bar.
    void SetPercent(int percent);
    void SetSubText(const char* text);
    void SetMainText(const char* text);
    void Destroy();

private:
    HWND m_hWnd = nullptr;
    HWND m_hMainLabel = nullptr;
    HWND m_hBar = nullptr;
    HWND m_hSubLabel = nullptr;
    HFONT m_hMainFont = nullptr;
};
