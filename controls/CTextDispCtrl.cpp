#include "controls/CTextDispCtrl.h"

#include "framework/CPaintDC.h"
#include "framework/WindowClass.h"

BEGIN_MESSAGE_MAP(CTextDispCtrl, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CTextDispCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    const char* className = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW));
    if (!CreateEx(WS_EX_CLIENTEDGE, className, "", style, rect, parent, id))
        return FALSE;
    GetClientRect(&m_rcClient);
    CClientDC window(this);
    if (!m_MemoryDC.CreateCompatibleDC(&window) ||
        !m_Bitmap.CreateCompatibleBitmap(&window, m_rcClient.Width(), m_rcClient.Height()))
        return FALSE;
    m_MemoryDC.SelectObject(&m_Bitmap);
    m_MemoryDC.FillSolidRect(&m_rcClient, m_crBackground);
    return TRUE;
}

BOOL CTextDispCtrl::SetTextFont(int tenthsOfPoint, const char* face)
{
    m_Font.DeleteObject();
    m_bFontSet = m_Font.CreatePointFont(tenthsOfPoint, face);
    return m_bFontSet;
}

void CTextDispCtrl::SetText(const char* text)
{
    if (!m_MemoryDC.GetSafeHdc())
        return;
    m_MemoryDC.SetTextColor(m_crText);
    m_MemoryDC.SetBkColor(m_crBackground);
    m_MemoryDC.FillSolidRect(&m_rcClient, m_crBackground);
    CFont* previous = m_bFontSet ? m_MemoryDC.SelectObject(&m_Font) : nullptr;
    CRect rect = TextRect(m_rcClient);
    m_MemoryDC.DrawText(text, &rect, DT_LEFT | DT_WORDBREAK);
    if (previous)
        m_MemoryDC.SelectObject(previous);
    Invalidate();
}

void CTextDispCtrl::OnPaint()
{
    CPaintDC dc(this);
    if (m_MemoryDC.GetSafeHdc())
        dc.BitBlt(0, 0, m_rcClient.Width(), m_rcClient.Height(), &m_MemoryDC, 0, 0, SRCCOPY);
}
