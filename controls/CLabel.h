#pragma once

#include "framework/CGdiObject.h"
#include "framework/CStatic.h"
#include "framework/CString.h"
#include "framework/CToolTipCtrl.h"

// A static text with its own colours, font and background (plain or a
// gradient), hover colouring, flashing, a shadowed or rotated text, and link
// behaviour: a click opens the label's text with the shell or notifies the
// parent. The setters return the label, so calls can be chained.
class CLabel : public CStatic
{
public:
    // The notification code a link label sends its parent when clicked.
    static constexpr UINT NM_LINKCLICK = 0x8200;

    enum
    {
        FLASH_NONE = 0,
        FLASH_TEXT = 1,
        FLASH_BACKGROUND = 2
    };

    CLabel();

    virtual CLabel& SetBkColor(COLORREF color, COLORREF gradientEnd = 0, BOOL gradient = FALSE);
    virtual CLabel& SetTextColor(COLORREF color);
    virtual CLabel& SetText(const CString& text);
    virtual CLabel& SetFontBold(BOOL bold);
    virtual CLabel& SetFontName(const CString& face, BYTE charSet = ANSI_CHARSET);
    virtual CLabel& SetFontUnderline(BOOL underline);
    virtual CLabel& SetFontItalic(BOOL italic);
    virtual CLabel& SetFontSize(int points);
    virtual CLabel& SetHoverColor(BOOL on, COLORREF color);
    virtual CLabel& SetSunken(BOOL sunken);
    virtual CLabel& SetBorder(BOOL border);
    virtual CLabel& SetTransparent(BOOL transparent);
    virtual CLabel& FlashText(BOOL flash);
    virtual CLabel& FlashBackground(BOOL flash);
    virtual CLabel& SetLink(BOOL link, BOOL notifyParent);
    virtual CLabel& SetLinkCursor(HCURSOR cursor);
    virtual CLabel& SetShadow(BOOL on, BOOL direction);
    virtual CLabel& SetRotationAngle(int degrees, BOOL on);
    virtual CLabel& SetShadowColor(COLORREF color);

    BOOL PreTranslateMessage(MSG* msg) override;

    const LOGFONTA& GetFontDescription() const { return m_LogFont; }
    COLORREF GetTextColor() const { return m_crText; }
    int GetFlashMode() const { return m_nFlashMode; }

    // Character height in pixels of a font of the points on a 96-dpi screen.
    static int FontHeightForPoints(int points);
    // How many bands a gradient of the width is drawn in.
    static int GradientBands(int width);
    // Fills the rectangle left to right from one colour to the other.
    static void DrawGradient(CDC* dc, const RECT& rect, COLORREF from, COLORREF to);
    // The DrawText format for the static control's style and the text.
    static UINT TextFormat(DWORD style, const CString& text);
    // The size a control of the client rectangle takes when its template
    // measures were meant for a 6 x 13 pixel font but its font has the average
    // character width and height given.
    static CSize BindingSize(const RECT& client, int averageWidth, int charHeight);

protected:
    void PreSubclassWindow() override;
    void OnPaint();
    void OnTimer(UINT_PTR id);
    void OnMouseMove(UINT flags, CPoint point);
    void OnMouseHover(UINT flags, CPoint point);
    void OnMouseLeave();
    void OnLButtonDown(UINT flags, CPoint point);
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    void OnSysColorChange();
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    void RecreateFont();
    void ApplyFontSize(int points);
    void ApplyFontName(const CString& face, BYTE charSet);
    // Repaints the label now, then the parent behind it, so a transparent label
    // shows what lies under it.
    void Redraw();
    void StartFlash(int mode);
    void StopFlash();
    // The colour the text takes while a text flash is in its off phase.
    COLORREF HiddenTextColor() const;
    // Sizes the control for the font the dialog gave it.
    void FitToDialogFont();

    COLORREF m_crText;
    COLORREF m_crBackground = 0;
    COLORREF m_crGradientEnd = 0;
    BOOL m_bGradient = FALSE;
    LOGFONTA m_LogFont{};
    CFont m_Font;
    CBrush m_BackgroundBrush;
    CBrush m_FaceBrush;
    BOOL m_bTransparent = FALSE;
    int m_nFlashMode = FLASH_NONE;
    BOOL m_bFlashPhase = FALSE;
    BOOL m_bFlashTimer = FALSE;
    BOOL m_bNotifyParent = FALSE;
    HCURSOR m_hLinkCursor = nullptr;
    BOOL m_bHover = FALSE;
    COLORREF m_crHover = RGB(0, 0, 255);
    COLORREF m_crSaved;
    BOOL m_bTracking = FALSE;
    BOOL m_bShadow = FALSE;
    BOOL m_bShadowDirection = FALSE;
    COLORREF m_crShadow = RGB(255, 255, 255);
    BOOL m_bRotated = FALSE;
    CToolTipCtrl m_ToolTip;
};
