#pragma once

#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CWnd.h"

// A panel of word-wrapped text, drawn once into an off-screen bitmap when the
// text is set and copied to the screen when painted.
class CTextDispCtrl : public CWnd
{
public:
    CTextDispCtrl() = default;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // The font, in tenths of a point; returns whether the panel has a font of its own.
    BOOL SetTextFont(int tenthsOfPoint, const char* face);
    void SetText(const char* text);
    // Stored for callers; the drawing does not use it.
    void SetSizeValue(int value) { m_nSizeValue = value; }

    // The margins around the text.
    static CRect TextRect(const CRect& client) { return CRect(5, 5, client.Width() - 10, client.Height() - 10); }

protected:
    void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crBackground = RGB(255, 255, 255);
    CFont m_Font;
    BOOL m_bFontSet = FALSE;
    int m_nSizeValue = 16;
    CRect m_rcClient;
    // Declared before the context, so that the context lets go of it first.
    CBitmap m_Bitmap;
    CDC m_MemoryDC;
};
