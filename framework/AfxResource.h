// The module whose resources (dialog templates, bitmaps, icons, menus) the framework loads.
#pragma once

#include <windows.h>

// The program's own module unless set otherwise.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);
HINSTANCE AfxGetInstanceHandle();
