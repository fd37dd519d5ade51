// A toolbar resource: a bitmap strip of button images (RT_BITMAP) and, under
// the same id as RT_TOOLBAR, the image size and each button's command:
//     WORD version (1), WORD image width, WORD image height, WORD count,
//     WORD command[count]   (0 for a separator, which has no image)
// The buttons can be put on a hidden common-controls toolbar to look up
// which image a command shows.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/CNonCopyable.h"

class CToolBarResource : private CNonCopyable
{
public:
    ~CToolBarResource();

    // Reads the layout from the module, or from this program when the module lacks it.
    BOOL Load(HINSTANCE module, UINT id);
    // A hidden toolbar child of the parent with every button; destroyed with this object.
    BOOL CreateHiddenToolBar(HWND parent);
    // The strip's image of the command's button on the toolbar, -1 when it is not there.
    int ImageOfCommand(UINT command) const;
    // The bitmap strip; the caller deletes it.
    HBITMAP LoadStrip() const;

    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<UINT> m_aCommands;

private:
    HINSTANCE m_hModule = nullptr;
    UINT m_nId = 0;
    HWND m_hToolBar = nullptr;
};
