#pragma once

#include "controls/CSkinBitmap.h"
#include "framework/CDialog.h"

#include <memory>

// A dialog shaped and painted by a bitmap: the pixels of the colour key are
// cut out of the window. It can be dragged by any point of it.
class CSkinableDialog : public CDialog
{
public:
    CSkinableDialog() = default;
    explicit CSkinableDialog(UINT templateId, CWnd* parent = nullptr) : CDialog(templateId, parent) {}

    // Loads the bitmap, cuts the window to it (a tolerance of 8 on each channel
    // of the key) and sizes the window to it. FALSE when either fails.
    BOOL SetSkin(UINT bitmapId, COLORREF key);

protected:
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);

    std::unique_ptr<CSkinBitmap> m_pSkin;
    // Shown over the window when set.
    HCURSOR m_hCursor = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    bool m_bDragging = false;
    CPoint m_ptDragStart;
};
