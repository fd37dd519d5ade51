// A device context. A context this wrapper made (CreateCompatibleDC) is deleted with it;
// one it was given (Attach, FromHandle) is only let go. Whatever the wrapper selected into
// the context is put back when it lets go, so a pen or bitmap never stays selected into a
// context that outlives it, and nothing leaks over many repaints.
#pragma once

#include <windows.h>

#include "framework/CGdiObject.h"
#include "framework/CNonCopyable.h"
#include "framework/CPoint.h"
#include "framework/CRect.h"
#include "framework/CSize.h"

class CDC : private CNonCopyable
{
public:
    virtual ~CDC();

    // Wraps a context without owning it.
    BOOL Attach(HDC dc);
    // Puts back what this wrapper selected, then lets go of the context.
    HDC Detach();
    static CDC* FromHandle(HDC dc);
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    // A memory context compatible with the given one (the screen when null), owned.
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();

    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int saved) { return ::RestoreDC(m_hDC, saved); }

    // Each returns the object selected before, as a temporary wrapper.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    // Selects a copy of the region as the clip region; the region's type.
    int SelectObject(CRgn* region) { return SelectClipRgn(region); }
    CGdiObject* SelectStockObject(int index);
    CPalette* SelectPalette(CPalette* palette, BOOL forceBackground);
    UINT RealizePalette() { return ::RealizePalette(m_hDC); }
    CBitmap* GetCurrentBitmap() const;
    CFont* GetCurrentFont() const;

    int SelectClipRgn(CRgn* region) { return ::SelectClipRgn(m_hDC, region ? static_cast<HRGN>(*region) : nullptr); }
    int IntersectClipRect(LPCRECT rect)
    {
        return ::IntersectClipRect(m_hDC, rect->left, rect->top, rect->right, rect->bottom);
    }
    int ExcludeClipRect(LPCRECT rect)
    {
        return ::ExcludeClipRect(m_hDC, rect->left, rect->top, rect->right, rect->bottom);
    }
    int GetClipBox(LPRECT rect) const { return ::GetClipBox(m_hDC, rect); }

    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, int sourceWidth,
                    int sourceHeight, DWORD rop);
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop) { return ::PatBlt(m_hDC, x, y, width, height, rop); }
    int SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }

    void FillRect(LPCRECT rect, CBrush* brush) { ::FillRect(m_hDC, rect, *brush); }
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int width, int height, COLORREF color);
    void FrameRect(LPCRECT rect, CBrush* brush) { ::FrameRect(m_hDC, rect, *brush); }
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int width, int height, COLORREF topLeft, COLORREF bottomRight);
    void DrawFocusRect(LPCRECT rect) { ::DrawFocusRect(m_hDC, rect); }
    BOOL FillRgn(CRgn* region, CBrush* brush) { return ::FillRgn(m_hDC, *region, *brush); }
    BOOL Rectangle(LPCRECT rect) { return ::Rectangle(m_hDC, rect->left, rect->top, rect->right, rect->bottom); }
    BOOL Polygon(const POINT* points, int count) { return ::Polygon(m_hDC, points, count); }
    BOOL DrawEdge(LPRECT rect, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, rect, edge, flags); }
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
    BOOL DrawState(CPoint point, CSize size, HICON icon, UINT flags, HBRUSH brush = nullptr);
    BOOL DrawState(CPoint point, CSize size, HBITMAP bitmap, UINT flags, HBRUSH brush = nullptr);
    BOOL DrawState(CPoint point, CSize size, CBitmap* bitmap, UINT flags, HBRUSH brush = nullptr)
    {
        return DrawState(point, size, static_cast<HBITMAP>(*bitmap), flags, brush);
    }

    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    COLORREF SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }

    int DrawText(const char* text, int count, LPRECT rect, UINT format)
    {
        return ::DrawTextA(m_hDC, text, count, rect, format);
    }
    int DrawText(const char* text, LPRECT rect, UINT format) { return DrawText(text, -1, rect, format); }
    BOOL TextOut(int x, int y, const char* text, int count = -1);
    CSize GetTextExtent(const char* text, int count = -1) const;
    BOOL GetTextMetrics(TEXTMETRICA* metrics) const { return ::GetTextMetricsA(m_hDC, metrics); }
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    UINT SetTextAlign(UINT align) { return ::SetTextAlign(m_hDC, align); }

    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
    CPoint SetWindowOrg(int x, int y);
    int SetMapMode(int mode) { return ::SetMapMode(m_hDC, mode); }
    int GetMapMode() const { return ::GetMapMode(m_hDC); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }
    BOOL DPtoLP(LPPOINT points, int count = 1) const { return ::DPtoLP(m_hDC, points, count); }
    BOOL LPtoDP(LPPOINT points, int count = 1) const { return ::LPtoDP(m_hDC, points, count); }
    BOOL IsPrinting() const { return ::GetDeviceCaps(m_hDC, TECHNOLOGY) == DT_RASPRINTER; }

    // The number of contexts the wrappers of the process have made and not yet deleted.
    static long LiveCount();

    // For the temporary maps only: a temporary wrapper lives until the loop goes idle,
    // when the context it names may already be gone, so it never restores selections.
    void AttachTemporary(HDC dc)
    {
        m_hDC = dc;
        m_bTemporary = true;
    }

    HDC m_hDC = nullptr;

protected:
    // Puts back the objects that were selected before this wrapper's first selection.
    void RestoreSelections();

private:
    HGDIOBJ Select(int kind, HGDIOBJ object);

    enum
    {
        kPen,
        kBrush,
        kFont,
        kBitmap,
        kPalette,
        kKinds
    };
    HGDIOBJ m_arrOriginal[kKinds] = {};
    bool m_bOwned = false;
    bool m_bTemporary = false;
};
