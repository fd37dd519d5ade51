// A size in pixels: the system's SIZE with the usual conveniences.
#pragma once

#include <windows.h>

class CSize : public SIZE
{
public:
    CSize()
    {
        cx = 0;
        cy = 0;
    }
    CSize(int initCx, int initCy)
    {
        cx = initCx;
        cy = initCy;
    }
    CSize(SIZE s)
    {
        cx = s.cx;
        cy = s.cy;
    }

    bool operator==(SIZE s) const { return cx == s.cx && cy == s.cy; }
    bool operator!=(SIZE s) const { return !(*this == s); }
};
