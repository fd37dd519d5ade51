// The module whose resources (dialog templates, bitmaps, icons, menus) the framework loads.
#pragma once

#include <windows.h>

// The program's own module unless set otherwise.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);
HINSTANCE AfxGetInstanceHandle();

// A 16-colour bitmap resource with its black, dark grey, light grey and white
// entries replaced by the system's button text, shadow, face and highlight
// colours; null when it is not a bitmap of at most 16 colours.
HBITMAP AfxLoadSysColorBitmap(HINSTANCE module, HRSRC resource);
