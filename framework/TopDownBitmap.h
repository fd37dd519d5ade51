#pragma once

#include <windows.h>

// A 32-bit DIB section whose rows run from the top down, one BGRA DWORD a
// pixel, so that every pixel reads the same way whatever the display; bits
// receives its pixels. Null on failure; the caller deletes it.
HBITMAP CreateTopDownBitmap(HDC dc, int width, int height, void** bits);
