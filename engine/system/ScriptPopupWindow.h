// The plain top-level windows that scripts open (the progress and splash
// windows): their window class, frame and fonts.
#pragma once

#include <windows.h>

#include <string>

extern const char kScriptPopupClass[];

struct CPopupFrame
{
    const char* pszTitle = "";
    DWORD dwStyle = 0;
    DWORD dwExStyle = 0;
    int nClientWidth = 0;
    int nClientHeight = 0;
    // -1 centres the window in the area on that axis.
    int x = -1;
    int y = -1;
};

// Registers the class on first use and creates the window, not yet shown;
// null on failure.
HWND CreateScriptPopup(const CPopupFrame& frame, const RECT& centreIn, HWND owner);

// A font of the face at the size in points on the screen.
HFONT CreatePointFont(const char* face, int points, int weight);

// The face of the system's default GUI font.
std::string DefaultGuiFontFace();
