// The script's splash window, showing a text or a picture. At most one is
// open; destroying the object closes it.
#pragma once

#include "engine/system/ScriptPopupWindow.h"
#include "framework/CNonCopyable.h"

struct IPicture;

class CSplashWindow : private CNonCopyable
{
public:
    ~CSplashWindow() { Destroy(); }

    // Both close an open window first. textStyle holds the alignment of the
    // text (SS_LEFT, SS_CENTER or SS_RIGHT).
    void OpenText(const CPopupFrame& frame, const char* text, DWORD textStyle, const char* fontFace, int points,
                  int weight, HWND owner);
    // False, with no window open, when the picture file cannot be read or
    // is no picture.
    bool OpenImage(const CPopupFrame& frame, const char* pictureFile, HWND owner);
    void Destroy();

private:
    // The window and its one static child filling the client area.
    HWND OpenFrame(const CPopupFrame& frame, DWORD childStyle, const char* text, HWND owner);

    HWND m_hWnd = nullptr;
    HFONT m_hFont = nullptr;
    // The static shows the picture's own bitmap, which lives as long as the picture.
    IPicture* m_pPicture = nullptr;
};
