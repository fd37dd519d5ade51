#include "controls/CSkinableDialog.h"

#include "framework/CPaintDC.h"

BEGIN_MESSAGE_MAP(CSkinableDialog, CDialog)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

BOOL CSkinableDialog::SetSkin(UINT bitmapId, COLORREF key)
{
    m_pSkin = std::make_unique<CSkinBitmap>();
    HBITMAP bitmap = m_pSkin->LoadImage(bitmapId);
    if (!bitmap)
        return FALSE;
    CRgn region;
    if (!CSkinBitmap::RegionFromBitmap(bitmap, key, RGB(8, 8, 8), region))
        return FALSE;
    CRect bounds;
    region.GetRgnBox(&bounds);
    SetWindowPos(nullptr, 0, 0, bounds.Width(), bounds.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The window owns the region from here on.
    ::SetWindowRgn(m_hWnd, static_cast<HRGN>(region.Detach()), TRUE);
    return TRUE;
}

void CSkinableDialog::OnPaint()
{
    CPaintDC dc(this);
    if (m_pSkin)
        m_pSkin->Draw(&dc);
}

void CSkinableDialog::OnLButtonDown(UINT, CPoint point)
{
    m_bDragging = true;
    m_ptDragStart = point;
    SetCapture();
}

void CSkinableDialog::OnMouseMove(UINT, CPoint point)
{
    if (!m_bDragging)
        return;
    CRect rect;
    GetWindowRect(&rect);
    if (GetStyle() & WS_CHILD)
        GetParent()->ScreenToClient(&rect);
    SetWindowPos(nullptr, rect.left + point.x - m_ptDragStart.x, rect.top + point.y - m_ptDragStart.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
}

void CSkinableDialog::OnLButtonUp(UINT, CPoint)
{
    if (!m_bDragging)
        return;
    m_bDragging = false;
    ::ReleaseCapture();
}

BOOL CSkinableDialog::OnSetCursor(CWnd* window, UINT hitTest, UINT message)
{
    if (!m_hCursor)
        return CDialog::OnSetCursor(window, hitTest, message);
    ::SetCursor(m_hCursor);
    return TRUE;
}
