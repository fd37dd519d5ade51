#pragma once

#include <windows.h>

// Screen and frame sizes that decide where a window goes.
struct WindowMetrics
{
    int screenWidth;
    int screenHeight;
    int frameWidth;     // SM_CXFRAME
    int frameHeight;    // SM_CYFRAME
    int borderWidth;    // SM_CXBORDER
    int captionHeight;  // SM_CYCAPTION
};

WindowMetrics CurrentWindowMetrics();

// The outer rectangle (left, top, width in right, height in bottom) of a
// window whose client area should be the given one, centred on the screen,
// or on the parent's rectangle when there is one, and kept on the screen.
RECT CenteredWindowPlacement(const RECT& client, const WindowMetrics& metrics, const RECT* parent);

// Moves and sizes the window so (without changing the z-order).
void ResizeAndCenterWindow(HWND window, const RECT& client);
