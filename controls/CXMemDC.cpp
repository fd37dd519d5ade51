#include "controls/CXMemDC.h"

CXMemDC::CXMemDC(CDC* target, const RECT* rect) : m_pTarget(target), m_bMemory(!target->IsPrinting())
{
    if (rect)
        m_rc = *rect;
    else
        target->GetClipBox(&m_rc);
    if (!m_bMemory || !CreateCompatibleDC(target)) {
        m_bMemory = false;
        Attach(target->GetSafeHdc());
        return;
    }
    // The bitmap is made in device units, the drawing keeps the target's logical ones.
    CRect device = m_rc;
    target->LPtoDP(reinterpret_cast<LPPOINT>(&device), 2);
    m_Bitmap.CreateCompatibleBitmap(target, device.Width(), device.Height());
    SelectObject(&m_Bitmap);
    SetMapMode(target->GetMapMode());
    SetWindowOrg(m_rc.left, m_rc.top);
    FillSolidRect(&m_rc, target->GetBkColor());
}

CXMemDC::~CXMemDC()
{
    if (!m_bMemory)
        return;
    m_pTarget->BitBlt(m_rc.left, m_rc.top, m_rc.Width(), m_rc.Height(), this, m_rc.left, m_rc.top, SRCCOPY);
    // Puts the original bitmap back while the off-screen one still exists.
    DeleteDC();
}
