#pragma once

#include "framework/CButton.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CToolTipCtrl.h"

// An owner-drawn push button bound to a button of a dialog template: an icon
// beside its caption, a lighter look while the mouse is over it (flat
// buttons), an optional copy of the parent's background behind it so that it
// looks transparent, and a tooltip.
class CButtonST : public CButton
{
public:
    // Results of the setters.
    enum
    {
        BTNST_OK = 0,
        BTNST_INVALIDRESOURCE = 1,
        BTNST_INVALIDALIGN = 4,
        BTNST_INVALIDPRESSEDSTYLE = 6
    };
    // Second-icon codes of SetIcon.
    enum
    {
        BTNST_AUTO_GRAY = -2,
        BTNST_AUTO_DARKER = -3
    };
    // Image placements.
    enum
    {
        ST_ALIGN_HORIZ = 0,
        ST_ALIGN_VERT = 1,
        ST_ALIGN_HORIZ_RIGHT = 2,
        ST_ALIGN_OVERLAP = 3
    };
    // Colour slots.
    enum
    {
        BTNST_COLOR_BK_IN,
        BTNST_COLOR_FG_IN,
        BTNST_COLOR_BK_OUT,
        BTNST_COLOR_FG_OUT,
        BTNST_COLOR_BK_FOCUS,
        BTNST_COLOR_FG_FOCUS,
        BTNST_MAX_COLORS
    };

    CButtonST();
    ~CButtonST() override;

    // The icon shown while hovered or pressed, and the one at rest: a second
    // resource id, 0 for none, or a darker (-3) or grey (-2) copy of the first.
    DWORD SetIcon(int hoverIconId, int restIconId);
    DWORD SetIcon(HICON hoverIcon, HICON restIcon);
    DWORD SetAlign(BYTE align, BOOL repaint = TRUE);
    DWORD SetPressedStyle(BYTE style, BOOL repaint = TRUE);
    DWORD SetCheck(int check, BOOL repaint = TRUE);
    int GetCheck() const { return m_check; }
    DWORD ResetColors(BOOL repaint = TRUE);
    void SetTooltipText(const char* text, BOOL activate = TRUE);
    DWORD DrawTransparent(BOOL repaint = FALSE);
    void SetLinkUrl(const char* url);
    void ReleaseImages(BOOL destroy);

    static COLORREF DarkenColor(COLORREF color, double factor);
    static HICON CreateDarkerIcon(HICON icon);
    static HICON CreateGrayscaleIcon(HICON icon);

    BOOL IsHovered() const { return m_mouseOnButton; }
    BOOL IsDefault() const { return m_isDefault; }
    BOOL IsCheckBox() const { return m_isCheckBox; }
    HICON GetIcon(int entry) const { return m_icons[entry].icon; }
    CToolTipCtrl& GetTooltip() { return m_tooltip; }

    BOOL PreTranslateMessage(MSG* msg) override;
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

protected:
    void PreSubclassWindow() override;

    virtual DWORD DrawBackground(CDC* dc, CRect* rect);
    virtual DWORD DrawBorder(CDC* dc, CRect* rect);
    virtual DWORD DrawIconImage(CDC* dc, BOOL hasCaption, const CRect* item, CRect* caption);
    virtual DWORD DrawCaption(CDC* dc, const CString& text, const CRect* item, CRect* caption);

    void OnKillFocus(CWnd* newFocus);
    void OnMouseMove(UINT flags, CPoint point);
    void OnSysColorChange();
    BOOL OnClicked();
    void OnActivate(UINT state, CWnd* other, BOOL minimized);
    void OnEnable(BOOL enable);
    void OnCancelMode();
    UINT OnGetDlgCode();
    HBRUSH CtlColor(CDC* dc, UINT controlType);
    LRESULT OnSetStyle(WPARAM style, LPARAM redraw);
    void OnMouseLeave();
    LRESULT OnSetCheck(WPARAM check, LPARAM);
    LRESULT OnGetCheck(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    struct IconEntry
    {
        HICON icon = nullptr;
        int width = 0;
        int height = 0;
    };

    void EnsureTooltip();
    void EndHover();
    void ReleaseBackground();
    void PaintParentBackground(CDC* dc);
    bool StoreIcon(IconEntry& entry, HICON icon);
    const IconEntry& ChosenIcon() const;
    CRect PlaceImage(BOOL hasCaption, const CRect* item, CRect* caption, int width, int height) const;

    CPoint m_imageOrigin{3, 3};
    CPoint m_pressedOffset{1, 1};
    BOOL m_isFlat = TRUE;
    BOOL m_mouseOnButton = FALSE;
    BOOL m_drawTransparent = FALSE;
    BOOL m_isPressed = FALSE;
    BOOL m_isFocused = FALSE;
    BOOL m_isDisabled = FALSE;
    BOOL m_isDefault = FALSE;
    BOOL m_isCheckBox = FALSE;
    BYTE m_align = ST_ALIGN_HORIZ;
    BOOL m_drawBorder = TRUE;
    BOOL m_drawFlatFocus = FALSE;
    COLORREF m_colors[BTNST_MAX_COLORS] = {};
    CToolTipCtrl m_tooltip;
    CDC m_backgroundDC;
    CBitmap m_backgroundBitmap;
    BOOL m_alwaysTrack = TRUE;
    int m_check = 0;
    UINT m_typeStyle = 15;
    DWORD m_tooltipStyle = 0;
    char m_url[MAX_PATH] = {};
    IconEntry m_icons[2];
};
