// The colours of a screen rectangle, read in one copy instead of one GetPixel
// call per pixel. Points off the screen read as CLR_INVALID, as GetPixel gives.
#pragma once

#include <windows.h>

#include <vector>

class CScreenCapture
{
public:
    // Copies the part of the rectangle (right and bottom inclusive) that lies on
    // the screen; false when the screen cannot be read.
    bool Capture(const RECT& inclusive);

    // The system colour 0x00BBGGRR at a screen point.
    COLORREF PixelAt(long x, long y) const;

private:
    RECT m_rcOnScreen = {0, 0, 0, 0};
    std::vector<DWORD> m_aPixels;
};
