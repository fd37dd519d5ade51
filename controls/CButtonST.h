#pragma once

#include "controls/BCMenu.h"
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
    // The bitmap shown while hovered or pressed and the one at rest (null for
    // none); each is drawn through a mask of its transparent colour. The
    // button destroys them.
    DWORD SetBitmaps(HBITMAP hoverBitmap, COLORREF hoverTransparent, HBITMAP restBitmap = nullptr,
                     COLORREF restTransparent = 0);
    // A drop-down menu: a click shows the first submenu of the menu below the
    // button and posts the chosen command to the menu parent.
    DWORD SetMenu(UINT menuId, HWND menuParent);
    BCMenu& GetMenu() { return m_menu; }
    void SetMenuParent(HWND menuParent) { m_menuParent = menuParent; }
    // A message sent to the window just before the drop-down menu opens, with
    // the submenu as word parameter.
    DWORD SetMenuCallback(HWND window, UINT message, LPARAM lParam = 0);
    // The cursor shown over the button (a cursor resource id, 0 for the default).
    DWORD SetBtnCursor(int cursorId);
    // A sound played on hover, or on click: a wave file or, with a module, a resource.
    DWORD SetSound(const char* sound, HMODULE module = nullptr, BOOL playOnClick = FALSE);
    // A monochrome mask of the bitmap: 1 where it has the transparent colour.
    static HBITMAP CreateBitmapMask(HBITMAP source, int width, int height, COLORREF transparent);
    void ReleaseImages(BOOL destroy);

    static COLORREF DarkenColor(COLORREF color, double factor);
    static HICON CreateDarkerIcon(HICON icon);
    static HICON CreateGrayscaleIcon(HICON icon);

    BOOL IsHovered() const { return m_mouseOnButton; }
    BOOL IsDefault() const { return m_isDefault; }
    BOOL IsCheckBox() const { return m_isCheckBox; }
    HICON GetIcon(int entry) const { return m_icons[entry].icon; }
    HBITMAP GetBitmap(int entry) const { return m_bitmaps[entry].bitmap; }
    CToolTipCtrl& GetTooltip() { return m_tooltip; }

    BOOL PreTranslateMessage(MSG* msg) override;
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

protected:
    void PreSubclassWindow() override;

    virtual DWORD DrawBackground(CDC* dc, CRect* rect);
    virtual DWORD DrawBorder(CDC* dc, CRect* rect);
    virtual DWORD DrawIconImage(CDC* dc, BOOL hasCaption, const CRect* item, CRect* caption);
    virtual DWORD DrawBitmapImage(CDC* dc, BOOL hasCaption, const CRect* item, CRect* caption);
    virtual DWORD DrawCaption(CDC* dc, const CString& text, const CRect* item, CRect* caption);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    LRESULT OnMenuChar(UINT ch, UINT flags, CMenu* menu);
    void OnMeasureItem(int id, LPMEASUREITEMSTRUCT item);

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

    struct BitmapEntry
    {
        HBITMAP bitmap = nullptr;
        int width = 0;
        int height = 0;
        HBITMAP mask = nullptr;
        COLORREF transparent = 0;
    };
    struct MenuCallback
    {
        HWND window = nullptr;
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };
    struct SoundEntry
    {
        char name[MAX_PATH] = {};
        const char* sound = nullptr;
        HMODULE module = nullptr;
        DWORD flags = 0;
    };
    enum
    {
        SOUND_HOVER,
        SOUND_CLICK
    };

    void EnsureTooltip();
    void PlayButtonSound(int which) const;
    void ShowDropDownMenu();
    bool StoreBitmap(BitmapEntry& entry, HBITMAP bitmap, COLORREF transparent);
    const BitmapEntry& ChosenBitmap() const;
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
    BOOL m_showDisabledBitmap = TRUE;
    HWND m_menuParent = nullptr;
    BOOL m_menuDisplayed = FALSE;
    BCMenu m_menu;
    HCURSOR m_cursor = nullptr;
    BitmapEntry m_bitmaps[2];
    MenuCallback m_menuCallback;
    SoundEntry m_sounds[2];
};
