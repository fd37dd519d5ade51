#include "framework/CDC.h"

#include <atomic>
#include <cstring>

namespace {

std::atomic<long> g_liveContexts{0};

}  // namespace

CDC::~CDC()
{
    if (m_bOwned) {
        DeleteDC();
    } else {
        Detach();
    }
}

BOOL CDC::Attach(HDC dc)
{
    if (!dc || m_hDC)
        return FALSE;
    m_hDC = dc;
    m_bOwned = false;
    return TRUE;
}

HDC CDC::Detach()
{
    if (m_hDC && !m_bTemporary)
        RestoreSelections();
    HDC dc = m_hDC;
    if (m_bOwned)
        --g_liveContexts;
    m_hDC = nullptr;
    m_bOwned = false;
    m_bTemporary = false;
    return dc;
}

CDC* CDC::FromHandle(HDC dc)
{
    if (!dc)
        return nullptr;
    return TemporaryMap<HDC, CDC>::ForThread().Get(dc);
}

BOOL CDC::CreateCompatibleDC(CDC* dc)
{
    if (m_hDC)
        return FALSE;
    HDC made = ::CreateCompatibleDC(dc ? dc->m_hDC : nullptr);
    if (!made)
        return FALSE;
    m_hDC = made;
    m_bOwned = true;
    ++g_liveContexts;
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC || !m_bOwned)
        return FALSE;
    return ::DeleteDC(Detach());
}

long CDC::LiveCount()
{
    return g_liveContexts;
}

void CDC::RestoreSelections()
{
    for (int kind = 0; kind < kKinds; ++kind) {
        if (!m_arrOriginal[kind])
            continue;
        if (kind == kPalette) {
            ::SelectPalette(m_hDC, static_cast<HPALETTE>(m_arrOriginal[kind]), FALSE);
        } else {
            ::SelectObject(m_hDC, m_arrOriginal[kind]);
        }
        m_arrOriginal[kind] = nullptr;
    }
}

HGDIOBJ CDC::Select(int kind, HGDIOBJ object)
{
    if (!m_hDC || !object)
        return nullptr;
    HGDIOBJ previous = ::SelectObject(m_hDC, object);
    if (previous && previous != HGDI_ERROR && !m_arrOriginal[kind])
        m_arrOriginal[kind] = previous;
    return previous == HGDI_ERROR ? nullptr : previous;
}

CPen* CDC::SelectObject(CPen* pen)
{
    return CPen::FromHandle(static_cast<HPEN>(Select(kPen, pen ? pen->m_hObject : nullptr)));
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    return CBrush::FromHandle(static_cast<HBRUSH>(Select(kBrush, brush ? brush->m_hObject : nullptr)));
}

CFont* CDC::SelectObject(CFont* font)
{
    return CFont::FromHandle(static_cast<HFONT>(Select(kFont, font ? font->m_hObject : nullptr)));
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(Select(kBitmap, bitmap ? bitmap->m_hObject : nullptr)));
}

CGdiObject* CDC::SelectStockObject(int index)
{
    HGDIOBJ object = ::GetStockObject(index);
    switch (::GetObjectType(object)) {
    case OBJ_PEN:
        return CPen::FromHandle(static_cast<HPEN>(Select(kPen, object)));
    case OBJ_BRUSH:
        return CBrush::FromHandle(static_cast<HBRUSH>(Select(kBrush, object)));
    case OBJ_FONT:
        return CFont::FromHandle(static_cast<HFONT>(Select(kFont, object)));
    default:
        return nullptr;
    }
}

CPalette* CDC::SelectPalette(CPalette* palette, BOOL forceBackground)
{
    if (!m_hDC || !palette)
        return nullptr;
    HPALETTE previous = ::SelectPalette(m_hDC, *palette, forceBackground);
    if (previous && !m_arrOriginal[kPalette])
        m_arrOriginal[kPalette] = previous;
    return CPalette::FromHandle(previous);
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX, sourceY, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, int sourceWidth,
                     int sourceHeight, DWORD rop)
{
    return ::StretchBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX, sourceY, sourceWidth,
                        sourceHeight, rop);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    // An opaque text-out paints a rectangle in the background colour without any brush.
    const COLORREF previous = ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color)
{
    const RECT rect{x, y, x + width, y + height};
    FillSolidRect(&rect, color);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight)
{
    Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int width, int height, COLORREF topLeft, COLORREF bottomRight)
{
    FillSolidRect(x, y, width - 1, 1, topLeft);
    FillSolidRect(x, y, 1, height - 1, topLeft);
    FillSolidRect(x + width, y, -1, height, bottomRight);
    FillSolidRect(x, y + height, width, -1, bottomRight);
}

BOOL CDC::DrawState(CPoint point, CSize size, HICON icon, UINT flags, HBRUSH brush)
{
    return ::DrawStateA(m_hDC, brush, nullptr, reinterpret_cast<LPARAM>(icon), 0, point.x, point.y, size.cx, size.cy,
                        flags | DST_ICON);
}

BOOL CDC::DrawState(CPoint point, CSize size, HBITMAP bitmap, UINT flags, HBRUSH brush)
{
    return ::DrawStateA(m_hDC, brush, nullptr, reinterpret_cast<LPARAM>(bitmap), 0, point.x, point.y, size.cx, size.cy,
                        flags | DST_BITMAP);
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT previous{};
    ::MoveToEx(m_hDC, x, y, &previous);
    return previous;
}

BOOL CDC::TextOut(int x, int y, const char* text, int count)
{
    if (count < 0)
        count = static_cast<int>(strlen(text));
    return ::TextOutA(m_hDC, x, y, text, count);
}

CSize CDC::GetTextExtent(const char* text, int count) const
{
    if (count < 0)
        count = static_cast<int>(strlen(text));
    SIZE size{};
    ::GetTextExtentPoint32A(m_hDC, text, count, &size);
    return size;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT previous{};
    ::SetViewportOrgEx(m_hDC, x, y, &previous);
    return previous;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT previous{};
    ::SetWindowOrgEx(m_hDC, x, y, &previous);
    return previous;
}
