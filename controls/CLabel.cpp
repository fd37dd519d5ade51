#include "controls/CLabel.h"

#include "controls/ShellOpen.h"
#include "framework/CPaintDC.h"

#include <algorithm>
#include <commctrl.h>

namespace {

constexpr UINT_PTR kFlashTimer = 1;
constexpr UINT kFlashPeriod = 500;
constexpr DWORD kHoverTime = 50;
constexpr int kMaxGradientBands = 100;
constexpr int kMaxTipWidth = 400;

COLORREF BrushColor(const CBrush& brush)
{
    LOGBRUSH info{};
    if (!brush.GetSafeHandle() || !brush.GetObject(sizeof info, &info))
        return 0;
    return info.lbColor;
}

int Blend(int from, int to, int step)
{
    return from + (to - from) * step / 256;
}

}  // namespace

BEGIN_MESSAGE_MAP(CLabel, CStatic)
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEHOVER()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CLabel::CLabel() : m_crText(::GetSysColor(COLOR_WINDOWTEXT)), m_crSaved(m_crText)
{
    m_FaceBrush.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
}

int CLabel::FontHeightForPoints(int points)
{
    return points * 10 * 96 / 720;
}

int CLabel::GradientBands(int width)
{
    return std::max(0, std::min(kMaxGradientBands, width));
}

void CLabel::DrawGradient(CDC* dc, const RECT& rect, COLORREF from, COLORREF to)
{
    const int width = rect.right - rect.left;
    const int bands = GradientBands(width);
    for (int i = 0; i < bands; ++i) {
        const int step = i * 256 / bands;
        const COLORREF color =
            RGB(Blend(GetRValue(from), GetRValue(to), step), Blend(GetGValue(from), GetGValue(to), step),
                Blend(GetBValue(from), GetBValue(to), step));
        const int left = rect.left + i * width / bands;
        const int right = i == bands - 1 ? rect.right : rect.left + (i + 1) * width / bands;
        dc->FillSolidRect(left, rect.top, right - left, rect.bottom - rect.top, color);
    }
}

UINT CLabel::TextFormat(DWORD style, const CString& text)
{
    if (style & SS_CENTERIMAGE) {
        if (text.Find("\r\n") >= 0)
            return DT_CENTER;
        return DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    }
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        return DT_CENTER | DT_WORDBREAK;
    case SS_RIGHT:
        return DT_RIGHT | DT_WORDBREAK;
    case SS_LEFTNOWORDWRAP:
        return DT_LEFT;
    default:
        return DT_LEFT | DT_WORDBREAK;
    }
}

CSize CLabel::BindingSize(const RECT& client, int averageWidth, int charHeight)
{
    if (averageWidth <= 0 || charHeight <= 0)
        return CSize(client.right - client.left, client.bottom - client.top);
    const int left = ::MulDiv(client.left, 6, averageWidth);
    const int right = ::MulDiv(client.right, 6, averageWidth);
    const int top = ::MulDiv(client.top, 13, charHeight);
    const int bottom = ::MulDiv(client.bottom, 13, charHeight);
    return CSize(right - left, bottom - top);
}

void CLabel::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    HFONT given = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    ::GetObjectA(given ? given : ::GetStockObject(DEFAULT_GUI_FONT), sizeof m_LogFont, &m_LogFont);
    RecreateFont();
    ApplyFontName("Lucida Sans", ANSI_CHARSET);
    ApplyFontSize(8);
    FitToDialogFont();
}

void CLabel::FitToDialogFont()
{
    CClientDC dc(this);
    HFONT given = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (given)
        dc.SelectObject(CFont::FromHandle(given));
    const CSize letters = dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52);
    TEXTMETRICA metrics{};
    dc.GetTextMetrics(&metrics);
    CRect client;
    GetClientRect(&client);
    const CSize size = BindingSize(client, (letters.cx / 26 + 1) / 2, metrics.tmHeight);
    SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CLabel::RecreateFont()
{
    m_Font.DeleteObject();
    m_Font.CreateFontIndirect(&m_LogFont);
}

void CLabel::ApplyFontName(const CString& face, BYTE charSet)
{
    lstrcpynA(m_LogFont.lfFaceName, face, LF_FACESIZE);
    m_LogFont.lfCharSet = charSet;
    RecreateFont();
}

void CLabel::ApplyFontSize(int points)
{
    POINT height{0, FontHeightForPoints(points)};
    POINT origin{0, 0};
    HDC screen = ::GetDC(nullptr);
    ::DPtoLP(screen, &height, 1);
    ::DPtoLP(screen, &origin, 1);
    ::ReleaseDC(nullptr, screen);
    m_LogFont.lfHeight = -std::abs(height.y - origin.y);
    // The font the system really makes of it decides the description's size.
    LOGFONTA probe = m_LogFont;
    probe.lfCharSet = DEFAULT_CHARSET;
    CFont made;
    LOGFONTA got{};
    if (made.CreateFontIndirect(&probe) && made.GetLogFont(&got)) {
        m_LogFont.lfHeight = got.lfHeight;
        m_LogFont.lfWidth = got.lfWidth;
    }
    RecreateFont();
}

void CLabel::Redraw()
{
    if (!IsWindow())
        return;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    if (CWnd* parent = GetParent()) {
        CRect rect;
        GetWindowRect(&rect);
        parent->ScreenToClient(&rect);
        parent->RedrawWindow(&rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

CLabel& CLabel::SetBkColor(COLORREF color, COLORREF gradientEnd, BOOL gradient)
{
    m_crBackground = color;
    m_crGradientEnd = gradientEnd;
    m_bGradient = gradient;
    m_BackgroundBrush.DeleteObject();
    if (!gradient)
        m_BackgroundBrush.CreateSolidBrush(color);
    Redraw();
    return *this;
}

CLabel& CLabel::SetTextColor(COLORREF color)
{
    m_crText = color;
    Redraw();
    return *this;
}

CLabel& CLabel::SetText(const CString& text)
{
    SetWindowText(text);
    Redraw();
    return *this;
}

CLabel& CLabel::SetFontBold(BOOL bold)
{
    m_LogFont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    RecreateFont();
    Redraw();
    return *this;
}

CLabel& CLabel::SetFontName(const CString& face, BYTE charSet)
{
    ApplyFontName(face, charSet);
    Redraw();
    return *this;
}

CLabel& CLabel::SetFontUnderline(BOOL underline)
{
    m_LogFont.lfUnderline = underline ? TRUE : FALSE;
    RecreateFont();
    Redraw();
    return *this;
}

CLabel& CLabel::SetFontItalic(BOOL italic)
{
    m_LogFont.lfItalic = italic ? TRUE : FALSE;
    RecreateFont();
    Redraw();
    return *this;
}

CLabel& CLabel::SetFontSize(int points)
{
    ApplyFontSize(points);
    Redraw();
    return *this;
}

CLabel& CLabel::SetHoverColor(BOOL on, COLORREF color)
{
    m_bHover = on;
    m_crHover = color;
    return *this;
}

CLabel& CLabel::SetSunken(BOOL sunken)
{
    ModifyStyleEx(sunken ? 0 : WS_EX_STATICEDGE, sunken ? WS_EX_STATICEDGE : 0, SWP_DRAWFRAME);
    return *this;
}

CLabel& CLabel::SetBorder(BOOL border)
{
    ModifyStyle(border ? 0 : WS_BORDER, border ? WS_BORDER : 0, SWP_DRAWFRAME);
    return *this;
}

CLabel& CLabel::SetTransparent(BOOL transparent)
{
    m_bTransparent = transparent;
    ModifyStyleEx(transparent ? 0 : WS_EX_TRANSPARENT, transparent ? WS_EX_TRANSPARENT : 0);
    Redraw();
    return *this;
}

void CLabel::StartFlash(int mode)
{
    StopFlash();
    m_bFlashPhase = FALSE;
    m_bFlashTimer = SetTimer(kFlashTimer, kFlashPeriod) != 0;
    m_nFlashMode = mode;
}

void CLabel::StopFlash()
{
    if (m_bFlashTimer)
        KillTimer(kFlashTimer);
    m_bFlashTimer = FALSE;
    m_nFlashMode = FLASH_NONE;
}

CLabel& CLabel::FlashText(BOOL flash)
{
    if (flash)
        StartFlash(FLASH_TEXT);
    else
        StopFlash();
    return *this;
}

CLabel& CLabel::FlashBackground(BOOL flash)
{
    if (flash)
        StartFlash(FLASH_BACKGROUND);
    else
        StopFlash();
    return *this;
}

CLabel& CLabel::SetLink(BOOL link, BOOL notifyParent)
{
    ModifyStyle(link ? 0 : SS_NOTIFY, link ? SS_NOTIFY : 0);
    m_bNotifyParent = notifyParent;
    return *this;
}

CLabel& CLabel::SetLinkCursor(HCURSOR cursor)
{
    m_hLinkCursor = cursor;
    return *this;
}

CLabel& CLabel::SetShadow(BOOL on, BOOL direction)
{
    m_bShadow = on;
    m_bShadowDirection = direction;
    Redraw();
    return *this;
}

CLabel& CLabel::SetRotationAngle(int degrees, BOOL on)
{
    m_LogFont.lfEscapement = degrees * 10;
    m_LogFont.lfOrientation = degrees * 10;
    m_bRotated = on;
    RecreateFont();
    Redraw();
    return *this;
}

CLabel& CLabel::SetShadowColor(COLORREF color)
{
    m_crShadow = color;
    Redraw();
    return *this;
}

COLORREF CLabel::HiddenTextColor() const
{
    return BrushColor(m_BackgroundBrush);
}

void CLabel::OnPaint()
{
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    const CString text = GetWindowText();

    CBitmap bitmap;
    CDC memory;
    CDC* dc = &paint;
    if (!m_bTransparent && memory.CreateCompatibleDC(&paint) &&
        bitmap.CreateCompatibleBitmap(&paint, client.Width(), client.Height())) {
        memory.SelectObject(&bitmap);
        dc = &memory;
    }

    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(m_nFlashMode == FLASH_TEXT && !m_bFlashPhase ? HiddenTextColor() : m_crText);
    dc->SelectObject(&m_Font);
    if (!m_bTransparent) {
        if (m_nFlashMode == FLASH_BACKGROUND && !m_bFlashPhase)
            dc->FillRect(&client, &m_FaceBrush);
        else if (m_bGradient)
            DrawGradient(dc, client, m_crBackground, m_crGradientEnd);
        else
            dc->FillRect(&client, m_BackgroundBrush.GetSafeHandle() ? &m_BackgroundBrush : &m_FaceBrush);
    }

    if (m_bRotated) {
        const UINT oldAlign = dc->SetTextAlign(TA_CENTER | TA_BASELINE);
        const CPoint oldOrigin = dc->SetViewportOrg(client.Width() / 2, client.Height() / 2);
        dc->TextOut(0, 0, text);
        dc->SetViewportOrg(oldOrigin);
        dc->SetTextAlign(oldAlign);
    } else {
        const UINT format = TextFormat(GetStyle(), text);
        CRect rect = client;
        dc->DrawText(text, &rect, format);
        if (m_bShadow) {
            dc->SetTextColor(m_crShadow);
            const int offset = m_bShadowDirection ? 1 : -1;
            rect = client;
            rect.OffsetRect(offset, offset);
            dc->DrawText(text, &rect, format);
        }
    }

    if (dc == &memory)
        paint.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
}

void CLabel::OnTimer(UINT_PTR id)
{
    if (id != kFlashTimer) {
        CStatic::OnTimer(id);
        return;
    }
    m_bFlashPhase = !m_bFlashPhase;
    Redraw();
}

void CLabel::OnMouseMove(UINT flags, CPoint point)
{
    if (!m_bTracking) {
        TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, m_hWnd, kHoverTime};
        m_bTracking = ::TrackMouseEvent(&track);
    }
    CStatic::OnMouseMove(flags, point);
}

void CLabel::OnMouseHover(UINT, CPoint)
{
    if (!m_bHover)
        return;
    m_LogFont.lfUnderline = TRUE;
    RecreateFont();
    m_crSaved = m_crText;
    m_crText = m_crHover;
    Redraw();
}

void CLabel::OnMouseLeave()
{
    TRACKMOUSEEVENT track{sizeof track, TME_HOVER, m_hWnd, kHoverTime};
    ::TrackMouseEvent(&track);
    m_bTracking = FALSE;
    if (!m_bHover)
        return;
    m_LogFont.lfUnderline = FALSE;
    RecreateFont();
    m_crText = m_crSaved;
    Redraw();
}

void CLabel::OnLButtonDown(UINT, CPoint)
{
    if (m_bNotifyParent) {
        NMHDR header{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), NM_LINKCLICK};
        if (CWnd* parent = GetParent())
            parent->SendMessage(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
        return;
    }
    ShellOpen(m_hWnd, GetWindowText());
}

BOOL CLabel::OnSetCursor(CWnd* window, UINT hitTest, UINT message)
{
    if (!m_hLinkCursor)
        return CStatic::OnSetCursor(window, hitTest, message);
    ::SetCursor(m_hLinkCursor);
    return TRUE;
}

void CLabel::OnSysColorChange()
{
    CStatic::OnSysColorChange();
    m_FaceBrush.DeleteObject();
    m_FaceBrush.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    Redraw();
}

void CLabel::OnDestroy()
{
    StopFlash();
    CStatic::OnDestroy();
}

BOOL CLabel::PreTranslateMessage(MSG* msg)
{
    if (!m_ToolTip.IsWindow() && m_ToolTip.Create(this)) {
        m_ToolTip.Activate(FALSE);
        m_ToolTip.SetMaxTipWidth(kMaxTipWidth);
    }
    if (m_ToolTip.IsWindow())
        m_ToolTip.RelayEvent(msg);
    return CStatic::PreTranslateMessage(msg);
}
