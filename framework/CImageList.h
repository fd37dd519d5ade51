// A common-controls image list; one this object created is destroyed with it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/CNonCopyable.h"

class CDC;

class CImageList : private CNonCopyable
{
public:
    ~CImageList() { DeleteImageList(); }

    BOOL Create(int width, int height, UINT flags, int initial, int grow);
    BOOL DeleteImageList();
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    int GetImageCount() const { return m_hImageList ? ImageList_GetImageCount(m_hImageList) : 0; }
    // The index of the new image, -1 on failure.
    int Add(HICON icon) { return ImageList_ReplaceIcon(m_hImageList, -1, icon); }
    int Add(HBITMAP bitmap, COLORREF mask) { return ImageList_AddMasked(m_hImageList, bitmap, mask); }
    BOOL Replace(int index, HICON icon) { return ImageList_ReplaceIcon(m_hImageList, index, icon) != -1; }
    BOOL Remove(int index) { return ImageList_Remove(m_hImageList, index); }
    // A new icon the caller destroys.
    HICON ExtractIcon(int index) const { return ImageList_GetIcon(m_hImageList, index, ILD_NORMAL); }
    BOOL Draw(CDC* dc, int index, POINT point, UINT style) const;
    BOOL GetImageSize(int& width, int& height) const;

private:
    HIMAGELIST m_hImageList = nullptr;
};
