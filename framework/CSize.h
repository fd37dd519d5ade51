// A size in pixels: the system's SIZE with the usual conveniences.
#pragma once

#include <windows.h>

class CSize : public SIZE
{
public:
    CSize() : SIZE{0, 0} {}
    CSize(int initCx, int initCy) : SIZE{initCx, initCy} {}
    CSize(SIZE s) : SIZE(s) {}

    bool operator==(SIZE s) const { return cx == s.cx && cy == s.cy; }
    bool operator!=(SIZE s) const { return !(*this == s); }
};
