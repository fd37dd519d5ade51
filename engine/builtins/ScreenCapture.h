// The colours of a screen rectangle, read in one copy instead of one GetPixel
// call per pixel. Points off the screen read as CLR_INVALID, as GetPixel gives.
#pragma once

#include <windows.h>

#include <vector>

// A rectangle with right and bottom inclusive, in 64 bits so that a window
// origin added to any 32-bit coordinate of a script still fits.
struct ScreenArea
{
    long long left;
    long long top;
    long long right;
    long long bottom;
};

class CScreenCapture
{
public:
    // Copies the part of the area that lies on the screen; false when the
    // screen cannot be read.
    bool Capture(const ScreenArea& area);

    // The part copied by the last Capture: every point outside it reads as
    // CLR_INVALID. Right below left when no part of the area is on the screen.
    ScreenArea OnScreen() const;

    // The system colour 0x00BBGGRR at a screen point.
    COLORREF PixelAt(long long x, long long y) const;

private:
    RECT m_rcOnScreen = {0, 0, 0, 0};
    std::vector<DWORD> m_aPixels;
};
