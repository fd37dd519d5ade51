#pragma once

#include "framework/CDC.h"
#include "framework/CGdiObject.h"

// A bitmap resource with its palette, which can shape a window: the region of
// its pixels that are not the colour key.
class CSkinBitmap : public CBitmap
{
public:
    CSkinBitmap() = default;

    // Loads the bitmap resource as a section; null when it cannot be found or loaded.
    HBITMAP LoadImage(UINT resourceId);
    // Draws at the origin, stretched when a size is given; only a loaded bitmap draws.
    BOOL Draw(CDC* dc, const SIZE* size = nullptr);

    // The region of the pixels whose red, green or blue lies further than the
    // tolerance's channel from the key's. FALSE when the region cannot be made;
    // a bitmap of key colour only gives an empty region.
    static BOOL RegionFromBitmap(HBITMAP bitmap, COLORREF key, COLORREF tolerance, CRgn& region);

    BOOL IsLoaded() const { return m_bLoaded; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }

private:
    // The palette and size from the resource's header; FALSE for an old-style header.
    BOOL ReadHeader(UINT resourceId);

    CPalette m_Palette;
    BOOL m_bLoaded = FALSE;
    int m_nWidth = 0;
    int m_nHeight = 0;
};
