#include "controls/CButtonST.h"

#include "framework/AfxResource.h"
#include "framework/CPaintDC.h"

#include <mmsystem.h>
#include <shellapi.h>

#include <cstring>

BEGIN_MESSAGE_MAP(CButtonST, CButton)
    ON_WM_KILLFOCUS()
    ON_WM_MOUSEMOVE()
    ON_WM_SYSCOLORCHANGE()
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
    ON_WM_ACTIVATE()
    ON_WM_ENABLE()
    ON_WM_CANCELMODE()
    ON_WM_GETDLGCODE()
    ON_WM_CTLCOLOR_REFLECT()
    ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
    ON_WM_MOUSELEAVE()
    ON_MESSAGE(BM_SETCHECK, OnSetCheck)
    ON_MESSAGE(BM_GETCHECK, OnGetCheck)
    ON_WM_SETCURSOR()
    ON_WM_MENUCHAR()
    ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

CButtonST::CButtonST()
{
    ResetColors(FALSE);
    SetLinkUrl(nullptr);
}

CButtonST::~CButtonST()
{
    ReleaseImages(TRUE);
    if (m_cursor)
        ::DestroyCursor(m_cursor);
    m_menu.DestroyMenu();
    ReleaseBackground();
}

void CButtonST::PreSubclassWindow()
{
    const DWORD style = GetStyle();
    m_typeStyle = style & BS_TYPEMASK;
    if (style & BS_CHECKBOX)
        m_isCheckBox = TRUE;
    if (m_typeStyle == BS_DEFPUSHBUTTON) {
        m_isDefault = TRUE;
        m_typeStyle = BS_PUSHBUTTON;
    }
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW, SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

// --- Images ---

DWORD CButtonST::SetIcon(int hoverIconId, int restIconId)
{
    auto load = [](int id) {
        return static_cast<HICON>(
            ::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
    };
    // Without the hover icon the rest icon is not loaded at all: the button
    // refuses both and would own neither.
    HICON hover = load(hoverIconId);
    if (!hover)
        return SetIcon(nullptr, nullptr);
    HICON rest = nullptr;
    if (restIconId == BTNST_AUTO_DARKER || restIconId == BTNST_AUTO_GRAY)
        rest = reinterpret_cast<HICON>(static_cast<INT_PTR>(restIconId));
    else if (restIconId != 0)
        rest = load(restIconId);
    return SetIcon(hover, rest);
}

DWORD CButtonST::SetIcon(HICON hoverIcon, HICON restIcon)
{
    ReleaseImages(TRUE);
    if (!StoreIcon(m_icons[0], hoverIcon)) {
        ReleaseImages(TRUE);
        return BTNST_INVALIDRESOURCE;
    }
    const INT_PTR code = reinterpret_cast<INT_PTR>(restIcon);
    if (code == BTNST_AUTO_DARKER)
        restIcon = CreateDarkerIcon(hoverIcon);
    else if (code == BTNST_AUTO_GRAY)
        restIcon = CreateGrayscaleIcon(hoverIcon);
    const bool automatic = code == BTNST_AUTO_DARKER || code == BTNST_AUTO_GRAY;
    if ((restIcon || automatic) && !StoreIcon(m_icons[1], restIcon)) {
        ReleaseImages(TRUE);
        return BTNST_INVALIDRESOURCE;
    }
    if (m_hWnd)
        Invalidate();
    return BTNST_OK;
}

bool CButtonST::StoreIcon(IconEntry& entry, HICON icon)
{
    ICONINFO info{};
    if (!icon || !::GetIconInfo(icon, &info))
        return false;
    entry.icon = icon;
    entry.width = static_cast<int>(info.xHotspot) * 2;
    entry.height = static_cast<int>(info.yHotspot) * 2;
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    return true;
}

void CButtonST::ReleaseImages(BOOL destroy)
{
    for (IconEntry& entry : m_icons) {
        if (destroy && entry.icon)
            ::DestroyIcon(entry.icon);
        entry = IconEntry();
    }
    for (BitmapEntry& entry : m_bitmaps) {
        if (destroy) {
            if (entry.bitmap)
                ::DeleteObject(entry.bitmap);
            if (entry.mask)
                ::DeleteObject(entry.mask);
        }
        entry = BitmapEntry();
    }
}

HBITMAP CButtonST::CreateBitmapMask(HBITMAP source, int width, int height, COLORREF transparent)
{
    HBITMAP mask = ::CreateBitmap(width, height, 1, 1, nullptr);
    HDC screen = ::GetDC(nullptr);
    HDC from = ::CreateCompatibleDC(screen);
    HDC to = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    if (!mask || !from || !to) {
        if (mask)
            ::DeleteObject(mask);
        mask = nullptr;
    } else {
        // Copying a colour bitmap to a monochrome one gives 1 where it has the
        // source's background colour; the bitmap then loses its transparent
        // part so that painting it over the masked area leaves that area alone.
        HGDIOBJ oldFrom = ::SelectObject(from, source);
        HGDIOBJ oldTo = ::SelectObject(to, mask);
        ::SetBkColor(from, transparent);
        ::BitBlt(to, 0, 0, width, height, from, 0, 0, SRCCOPY);
        ::BitBlt(from, 0, 0, width, height, to, 0, 0, 0x220326);
        ::SelectObject(from, oldFrom);
        ::SelectObject(to, oldTo);
    }
    if (from)
        ::DeleteDC(from);
    if (to)
        ::DeleteDC(to);
    return mask;
}

bool CButtonST::StoreBitmap(BitmapEntry& entry, HBITMAP bitmap, COLORREF transparent)
{
    // The button owns the bitmap from here on, also when it cannot use it.
    entry.bitmap = bitmap;
    BITMAP info{};
    if (!bitmap || !::GetObjectA(bitmap, sizeof info, &info))
        return false;
    entry.mask = CreateBitmapMask(bitmap, info.bmWidth, info.bmHeight, transparent);
    if (!entry.mask)
        return false;
    entry.width = info.bmWidth;
    entry.height = info.bmHeight;
    entry.transparent = transparent;
    return true;
}

DWORD CButtonST::SetBitmaps(HBITMAP hoverBitmap, COLORREF hoverTransparent, HBITMAP restBitmap,
                            COLORREF restTransparent)
{
    ReleaseImages(TRUE);
    // Both are stored before either is refused, so that a refusal deletes both.
    const bool hoverStored = StoreBitmap(m_bitmaps[0], hoverBitmap, hoverTransparent);
    const bool restStored = !restBitmap || StoreBitmap(m_bitmaps[1], restBitmap, restTransparent);
    if (!hoverStored || !restStored) {
        ReleaseImages(TRUE);
        return BTNST_INVALIDRESOURCE;
    }
    Invalidate();
    return BTNST_OK;
}

COLORREF CButtonST::DarkenColor(COLORREF color, double factor)
{
    if (factor <= 0.0 || factor > 1.0)
        return color;
    auto darken = [factor](BYTE c) { return static_cast<BYTE>(c - c * factor); };
    return RGB(darken(GetRValue(color)), darken(GetGValue(color)), darken(GetBValue(color)));
}

namespace {

// A copy of the icon with every pixel but black ones recoloured.
template <class Recolour>
HICON RecolouredIcon(HICON icon, Recolour recolour)
{
    ICONINFO info{};
    if (!icon || !::GetIconInfo(icon, &info))
        return nullptr;
    HICON result = nullptr;
    const int width = static_cast<int>(info.xHotspot) * 2;
    const int height = static_cast<int>(info.yHotspot) * 2;
    HDC screen = ::GetDC(nullptr);
    HDC source = ::CreateCompatibleDC(screen);
    HDC target = ::CreateCompatibleDC(screen);
    BITMAP colourInfo{};
    if (screen && source && target && info.hbmColor && ::GetObjectA(info.hbmColor, sizeof colourInfo, &colourInfo)) {
        HBITMAP copy = ::CreateBitmap(width, height, colourInfo.bmPlanes, colourInfo.bmBitsPixel, nullptr);
        if (copy) {
            HGDIOBJ oldSource = ::SelectObject(source, info.hbmColor);
            HGDIOBJ oldTarget = ::SelectObject(target, copy);
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const COLORREF pixel = ::GetPixel(source, x, y);
                    ::SetPixel(target, x, y, pixel == 0 ? 0 : recolour(pixel));
                }
            }
            ::SelectObject(source, oldSource);
            ::SelectObject(target, oldTarget);
            ICONINFO made{TRUE, 0, 0, info.hbmMask, copy};
            result = ::CreateIconIndirect(&made);
            ::DeleteObject(copy);
        }
    }
    if (target)
        ::DeleteDC(target);
    if (source)
        ::DeleteDC(source);
    if (screen)
        ::ReleaseDC(nullptr, screen);
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    return result;
}

}  // namespace

HICON CButtonST::CreateDarkerIcon(HICON icon)
{
    return RecolouredIcon(icon, [](COLORREF pixel) { return DarkenColor(pixel, 0.25); });
}

HICON CButtonST::CreateGrayscaleIcon(HICON icon)
{
    return RecolouredIcon(icon, [](COLORREF pixel) {
        const BYTE grey =
            static_cast<BYTE>(0.299 * GetRValue(pixel) + 0.587 * GetGValue(pixel) + 0.114 * GetBValue(pixel));
        return RGB(grey, grey, grey);
    });
}

// --- Settings ---

DWORD CButtonST::SetAlign(BYTE align, BOOL repaint)
{
    if (align > ST_ALIGN_OVERLAP)
        return BTNST_INVALIDALIGN;
    m_align = align;
    if (repaint && m_hWnd)
        Invalidate();
    return BTNST_OK;
}

DWORD CButtonST::SetPressedStyle(BYTE style, BOOL repaint)
{
    if (style == 0)
        m_pressedOffset = CPoint(1, 1);
    else if (style == 1)
        m_pressedOffset = CPoint(0, 2);
    else
        return BTNST_INVALIDPRESSEDSTYLE;
    if (repaint && m_hWnd)
        Invalidate();
    return BTNST_OK;
}

DWORD CButtonST::SetCheck(int check, BOOL repaint)
{
    if (m_isCheckBox) {
        m_check = check ? 1 : 0;
        if (repaint && m_hWnd)
            Invalidate();
    }
    return BTNST_OK;
}

DWORD CButtonST::ResetColors(BOOL repaint)
{
    for (int slot : {BTNST_COLOR_BK_IN, BTNST_COLOR_BK_OUT, BTNST_COLOR_BK_FOCUS})
        m_colors[slot] = ::GetSysColor(COLOR_BTNFACE);
    for (int slot : {BTNST_COLOR_FG_IN, BTNST_COLOR_FG_OUT, BTNST_COLOR_FG_FOCUS})
        m_colors[slot] = ::GetSysColor(COLOR_BTNTEXT);
    if (repaint && m_hWnd)
        Invalidate();
    return BTNST_OK;
}

void CButtonST::EnsureTooltip()
{
    if (m_tooltip.IsWindow())
        return;
    m_tooltip.Create(this, m_tooltipStyle);
    m_tooltip.Activate(FALSE);
    m_tooltip.SetMaxTipWidth(400);
}

void CButtonST::SetTooltipText(const char* text, BOOL activate)
{
    if (!text)
        return;
    EnsureTooltip();
    if (m_tooltip.GetToolCount() == 0) {
        CRect client;
        GetClientRect(&client);
        m_tooltip.AddTool(this, text, &client, 1);
    }
    m_tooltip.UpdateTipText(text, this, 1);
    m_tooltip.Activate(activate);
}

DWORD CButtonST::DrawTransparent(BOOL repaint)
{
    m_drawTransparent = TRUE;
    ReleaseBackground();
    if (repaint && m_hWnd)
        Invalidate();
    return BTNST_OK;
}

void CButtonST::ReleaseBackground()
{
    m_backgroundDC.DeleteDC();
    m_backgroundBitmap.DeleteObject();
}

void CButtonST::SetLinkUrl(const char* url)
{
    std::memset(m_url, 0, sizeof m_url);
    if (url)
        std::strncpy(m_url, url, sizeof m_url - 1);
}

// --- Painting ---

void CButtonST::DrawItem(LPDRAWITEMSTRUCT drawItem)
{
    CDC dc;
    dc.Attach(drawItem->hDC);
    const bool selected = (drawItem->itemState & ODS_SELECTED) != 0;
    m_isPressed = m_isCheckBox ? (selected || m_check) : (selected || (m_menu.m_hMenu && m_menuDisplayed));
    m_isFocused = (drawItem->itemState & ODS_FOCUS) != 0;
    m_isDisabled = (drawItem->itemState & ODS_DISABLED) != 0;

    dc.SetBkMode(TRANSPARENT);
    CRect item = drawItem->rcItem;
    if (m_drawTransparent)
        PaintParentBackground(&dc);
    else
        DrawBackground(&dc, &item);
    DrawBorder(&dc, &item);

    const CString caption = GetWindowText();
    const CRect itemRect = drawItem->rcItem;
    CRect captionRect = drawItem->rcItem;
    if (m_icons[0].icon)
        DrawIconImage(&dc, !caption.IsEmpty(), &itemRect, &captionRect);
    if (m_bitmaps[0].bitmap) {
        dc.SetBkColor(RGB(255, 255, 255));
        DrawBitmapImage(&dc, !caption.IsEmpty(), &itemRect, &captionRect);
    }
    if (!caption.IsEmpty())
        DrawCaption(&dc, caption, &itemRect, &captionRect);
    if (m_isFocused && (!m_isFlat || m_drawFlatFocus)) {
        CRect focus = item;
        focus.DeflateRect(3, 3);
        dc.DrawFocusRect(&focus);
    }
    dc.Detach();
}

DWORD CButtonST::DrawBackground(CDC* dc, CRect* rect)
{
    if (!m_isFlat && (m_isFocused || m_isDefault)) {
        CBrush black(RGB(0, 0, 0));
        dc->FrameRect(rect, &black);
        rect->DeflateRect(1, 1);
    }
    COLORREF colour = m_colors[BTNST_COLOR_BK_OUT];
    if (m_mouseOnButton || m_isPressed)
        colour = m_colors[BTNST_COLOR_BK_IN];
    else if (m_isFocused)
        colour = m_colors[BTNST_COLOR_BK_FOCUS];
    dc->FillSolidRect(rect, colour);
    return BTNST_OK;
}

void CButtonST::PaintParentBackground(CDC* dc)
{
    CWnd* parent = GetParent();
    if (!parent)
        return;
    CRect client;
    GetClientRect(&client);
    CRect inParent;
    GetWindowRect(&inParent);
    parent->ScreenToClient(&inParent);
    CClientDC parentDC(parent);
    if (!m_backgroundDC.GetSafeHdc()) {
        m_backgroundDC.CreateCompatibleDC(&parentDC);
        m_backgroundBitmap.CreateCompatibleBitmap(&parentDC, client.Width(), client.Height());
        m_backgroundDC.SelectObject(&m_backgroundBitmap);
        m_backgroundDC.BitBlt(0, 0, client.Width(), client.Height(), &parentDC, inParent.left, inParent.top, SRCCOPY);
    }
    dc->BitBlt(0, 0, client.Width(), client.Height(), &m_backgroundDC, 0, 0, SRCCOPY);
}

DWORD CButtonST::DrawBorder(CDC* dc, CRect* rect)
{
    if (m_isPressed) {
        if (m_isFlat) {
            if (m_drawBorder)
                dc->Draw3dRect(rect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        } else {
            CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
            dc->FrameRect(rect, &shadow);
        }
        return BTNST_OK;
    }
    if (m_isFlat) {
        if (m_mouseOnButton && m_drawBorder)
            dc->Draw3dRect(rect, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
        return BTNST_OK;
    }
    CPen highlight(PS_SOLID, 0, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    CPen light(PS_SOLID, 0, ::GetSysColor(COLOR_3DLIGHT));
    CPen shadow(PS_SOLID, 0, ::GetSysColor(COLOR_BTNSHADOW));
    CPen darkShadow(PS_SOLID, 0, ::GetSysColor(COLOR_3DDKSHADOW));
    const int l = rect->left, t = rect->top, r = rect->right, b = rect->bottom;
    CPen* previous = dc->SelectObject(&highlight);
    dc->MoveTo(l, b - 1);
    dc->LineTo(l, t);
    dc->LineTo(r, t);
    dc->SelectObject(&light);
    dc->MoveTo(l + 1, b - 1);
    dc->LineTo(l + 1, t + 1);
    dc->LineTo(r, t + 1);
    dc->SelectObject(&darkShadow);
    dc->MoveTo(l, b - 1);
    dc->LineTo(r - 1, b - 1);
    dc->LineTo(r - 1, t - 1);
    dc->SelectObject(&shadow);
    dc->MoveTo(l + 1, b - 2);
    dc->LineTo(r - 2, b - 2);
    dc->LineTo(r - 2, t);
    dc->SelectObject(previous);
    return BTNST_OK;
}

const CButtonST::IconEntry& CButtonST::ChosenIcon() const
{
    const bool rest = !m_isPressed && m_icons[1].icon && (m_isCheckBox || !m_mouseOnButton);
    return m_icons[rest ? 1 : 0];
}

CRect CButtonST::PlaceImage(BOOL hasCaption, const CRect* item, CRect* caption, int width, int height) const
{
    CRect image = *item;
    const int w = item->Width();
    const int h = item->Height();
    switch (m_align) {
    case ST_ALIGN_HORIZ:
        if (!hasCaption) {
            image.left += (w - width) / 2;
        } else {
            image.left += m_imageOrigin.x;
            caption->left += width + m_imageOrigin.x;
        }
        image.top += (h - height) / 2;
        break;
    case ST_ALIGN_VERT:
        image.left += (w - width) / 2;
        if (!hasCaption) {
            image.top += (h - height) / 2;
        } else {
            image.top = m_imageOrigin.y;
            caption->top += height;
        }
        break;
    case ST_ALIGN_HORIZ_RIGHT: {
        CRect client;
        GetClientRect(&client);
        if (!hasCaption) {
            image.left += (w - width) / 2;
        } else {
            caption->right = caption->Width() - width - m_imageOrigin.x;
            caption->left = m_imageOrigin.x;
            image.left = client.right - width - m_imageOrigin.x;
            image.top += (h - height) / 2;
        }
        break;
    }
    default:
        break;
    }
    if (m_isPressed && !m_isCheckBox)
        image.OffsetRect(m_pressedOffset);
    image.right = image.left + width;
    image.bottom = image.top + height;
    return image;
}

DWORD CButtonST::DrawIconImage(CDC* dc, BOOL hasCaption, const CRect* item, CRect* caption)
{
    const IconEntry& icon = ChosenIcon();
    const CRect image = PlaceImage(hasCaption, item, caption, icon.width, icon.height);
    dc->DrawState(image.TopLeft(), image.Size(), icon.icon, DST_ICON | (m_isDisabled ? DSS_DISABLED : DSS_NORMAL));
    return BTNST_OK;
}

const CButtonST::BitmapEntry& CButtonST::ChosenBitmap() const
{
    const bool rest = !m_isPressed && m_bitmaps[1].bitmap && (m_isCheckBox || !m_mouseOnButton);
    return m_bitmaps[rest ? 1 : 0];
}

DWORD CButtonST::DrawBitmapImage(CDC* dc, BOOL hasCaption, const CRect* item, CRect* caption)
{
    const BitmapEntry& entry = ChosenBitmap();
    const CRect image = PlaceImage(hasCaption, item, caption, entry.width, entry.height);
    CDC bitmapDC;
    CDC maskDC;
    if (!bitmapDC.CreateCompatibleDC(dc) || !maskDC.CreateCompatibleDC(dc))
        return BTNST_OK;
    HGDIOBJ oldBitmap = ::SelectObject(bitmapDC, entry.bitmap);
    HGDIOBJ oldMask = ::SelectObject(maskDC, entry.mask);
    if (m_isDisabled && m_showDisabledBitmap) {
        CDC workDC;
        CBitmap work;
        if (workDC.CreateCompatibleDC(dc) && work.CreateCompatibleBitmap(dc, entry.width, entry.height)) {
            CBitmap* oldWork = workDC.SelectObject(&work);
            workDC.FillSolidRect(0, 0, entry.width, entry.height, RGB(255, 255, 255));
            workDC.SetBkColor(RGB(255, 255, 255));
            workDC.BitBlt(0, 0, entry.width, entry.height, &maskDC, 0, 0, SRCAND);
            workDC.BitBlt(0, 0, entry.width, entry.height, &bitmapDC, 0, 0, SRCPAINT);
            workDC.SelectObject(oldWork);
            dc->DrawState(image.TopLeft(), image.Size(), &work, DST_BITMAP | DSS_DISABLED);
        }
    } else {
        dc->BitBlt(image.left, image.top, entry.width, entry.height, &maskDC, 0, 0, SRCAND);
        dc->BitBlt(image.left, image.top, entry.width, entry.height, &bitmapDC, 0, 0, SRCPAINT);
    }
    ::SelectObject(bitmapDC, oldBitmap);
    ::SelectObject(maskDC, oldMask);
    return BTNST_OK;
}

DWORD CButtonST::DrawCaption(CDC* dc, const CString& text, const CRect* item, CRect* caption)
{
    (void)item;
    if (m_isPressed && !m_isCheckBox)
        caption->OffsetRect(m_pressedOffset);
    const CRect available = *caption;
    dc->DrawText(text, -1, caption, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    caption->OffsetRect((available.Width() - caption->Width()) / 2, (available.Height() - caption->Height()) / 2);
    dc->SetBkMode(TRANSPARENT);
    if (m_isDisabled) {
        caption->OffsetRect(1, 1);
        dc->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
        dc->DrawText(text, -1, caption, DT_WORDBREAK | DT_CENTER);
        caption->OffsetRect(-1, -1);
        dc->SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
        dc->DrawText(text, -1, caption, DT_WORDBREAK | DT_CENTER);
        return BTNST_OK;
    }
    if (m_mouseOnButton || m_isPressed) {
        dc->SetTextColor(RGB(255, 255, 255));
        dc->SetBkColor(m_colors[BTNST_COLOR_BK_IN]);
    } else if (m_isFocused) {
        dc->SetTextColor(m_colors[BTNST_COLOR_FG_FOCUS]);
        dc->SetBkColor(m_colors[BTNST_COLOR_BK_FOCUS]);
    } else {
        dc->SetTextColor(RGB(0, 0, 0));
        dc->SetBkColor(m_colors[BTNST_COLOR_BK_OUT]);
    }
    dc->DrawText(text, -1, caption, DT_WORDBREAK | DT_CENTER);
    return BTNST_OK;
}

// --- Mouse, focus and state ---

void CButtonST::OnMouseMove(UINT flags, CPoint point)
{
    CButton::OnMouseMove(flags, point);
    POINT screen = point;
    ClientToScreen(&screen);
    HWND under = ::WindowFromPoint(screen);
    if (((flags & MK_LBUTTON) && !m_mouseOnButton) || !m_isFlat)
        return;
    if (under == m_hWnd && (m_alwaysTrack || ::GetActiveWindow())) {
        if (!m_mouseOnButton) {
            m_mouseOnButton = TRUE;
            Invalidate();
            PlayButtonSound(SOUND_HOVER);
            TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
            ::TrackMouseEvent(&track);
        }
        return;
    }
    EndHover();
}

void CButtonST::EndHover()
{
    if (m_isFlat && m_mouseOnButton) {
        m_mouseOnButton = FALSE;
        Invalidate();
    }
}

void CButtonST::OnMouseLeave()
{
    CButton::OnMouseLeave();
    EndHover();
}

void CButtonST::OnKillFocus(CWnd* newFocus)
{
    CButton::OnKillFocus(newFocus);
    EndHover();
}

void CButtonST::OnCancelMode()
{
    CButton::OnCancelMode();
    EndHover();
}

void CButtonST::OnActivate(UINT state, CWnd* other, BOOL minimized)
{
    CButton::OnActivate(state, other, minimized);
    if (state == WA_INACTIVE)
        EndHover();
}

void CButtonST::OnEnable(BOOL enable)
{
    CButton::OnEnable(enable);
    if (enable)
        return;
    HWND parent = ::GetParent(m_hWnd);
    HWND next = parent ? ::GetNextDlgTabItem(parent, m_hWnd, FALSE) : nullptr;
    ::SetFocus(next ? next : parent);
    EndHover();
}

void CButtonST::OnSysColorChange()
{
    CButton::OnSysColorChange();
    ReleaseBackground();
    ResetColors(TRUE);
}

BOOL CButtonST::OnClicked()
{
    SetFocus();
    PlayButtonSound(SOUND_CLICK);
    if (m_isCheckBox) {
        m_check = !m_check;
        Invalidate();
    } else if (m_menu.m_hMenu) {
        ShowDropDownMenu();
    } else if (m_url[0]) {
        SHELLEXECUTEINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_FLAG_NO_UI;
        info.lpVerb = "open";
        info.lpFile = m_url;
        info.nShow = SW_SHOWMAXIMIZED;
        ::ShellExecuteExA(&info);
    }
    return FALSE;
}

UINT CButtonST::OnGetDlgCode()
{
    return CButton::OnGetDlgCode() | (m_isDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

HBRUSH CButtonST::CtlColor(CDC*, UINT)
{
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

LRESULT CButtonST::OnSetStyle(WPARAM style, LPARAM redraw)
{
    const UINT type = static_cast<UINT>(style) & BS_TYPEMASK;
    if (type == BS_DEFPUSHBUTTON)
        m_isDefault = TRUE;
    else if (type == BS_PUSHBUTTON)
        m_isDefault = FALSE;
    return DefWindowProc(BM_SETSTYLE, (style & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW, redraw);
}

LRESULT CButtonST::OnSetCheck(WPARAM check, LPARAM)
{
    SetCheck(check == BST_CHECKED || check == BST_INDETERMINATE ? 1 : 0, TRUE);
    return 0;
}

LRESULT CButtonST::OnGetCheck(WPARAM, LPARAM)
{
    return m_check;
}

BOOL CButtonST::PreTranslateMessage(MSG* msg)
{
    EnsureTooltip();
    m_tooltip.RelayEvent(msg);
    if (msg->message == WM_LBUTTONDBLCLK)
        msg->message = WM_LBUTTONDOWN;
    return CButton::PreTranslateMessage(msg);
}

void CButtonST::ShowDropDownMenu()
{
    m_menuDisplayed = TRUE;
    Invalidate();
    UpdateWindow();
    CMenu* popup = m_menu.GetSubMenu(0);
    if (m_menuCallback.window) {
        ::SendMessageA(m_menuCallback.window, m_menuCallback.message,
                       reinterpret_cast<WPARAM>(popup ? popup->m_hMenu : nullptr), m_menuCallback.lParam);
    }
    CRect rect;
    GetWindowRect(&rect);
    const UINT command =
        popup ? static_cast<UINT>(popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD,
                                                        rect.left, rect.bottom, this))
              : 0;
    m_menuDisplayed = FALSE;
    Invalidate();
    if (command && m_menuParent)
        ::PostMessageA(m_menuParent, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

DWORD CButtonST::SetMenu(UINT menuId, HWND menuParent)
{
    m_menu.DestroyMenu();
    m_menuParent = menuParent;
    if (menuId && !m_menu.LoadMenu(menuId))
        return BTNST_INVALIDRESOURCE;
    return BTNST_OK;
}

DWORD CButtonST::SetMenuCallback(HWND window, UINT message, LPARAM lParam)
{
    m_menuCallback.window = window;
    m_menuCallback.message = message;
    m_menuCallback.lParam = lParam;
    return BTNST_OK;
}

DWORD CButtonST::SetBtnCursor(int cursorId)
{
    if (m_cursor)
        ::DestroyCursor(m_cursor);
    m_cursor = nullptr;
    if (cursorId) {
        m_cursor = static_cast<HCURSOR>(
            ::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(cursorId), IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR));
        if (!m_cursor)
            return BTNST_INVALIDRESOURCE;
    }
    return BTNST_OK;
}

DWORD CButtonST::SetSound(const char* sound, HMODULE module, BOOL playOnClick)
{
    SoundEntry& entry = m_sounds[playOnClick ? SOUND_CLICK : SOUND_HOVER];
    entry = SoundEntry();
    if (!sound)
        return BTNST_OK;
    if (IS_INTRESOURCE(sound)) {
        entry.sound = sound;
        entry.flags = SND_RESOURCE | SND_ASYNC;
    } else {
        // A name longer than the buffer is cut, terminator included.
        std::strncpy(entry.name, sound, sizeof entry.name - 1);
        entry.sound = entry.name;
        entry.flags = (module ? SND_RESOURCE : SND_FILENAME) | SND_ASYNC;
    }
    entry.module = module;
    return BTNST_OK;
}

void CButtonST::PlayButtonSound(int which) const
{
    const SoundEntry& entry = m_sounds[which];
    if (entry.sound)
        ::PlaySoundA(entry.sound, entry.module, entry.flags);
}

BOOL CButtonST::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message)
{
    if (!m_cursor)
        return CButton::OnSetCursor(wnd, hitTest, message);
    ::SetCursor(m_cursor);
    return TRUE;
}

LRESULT CButtonST::OnMenuChar(UINT ch, UINT flags, CMenu* menu)
{
    if (menu && BCMenu::IsMenu(menu->m_hMenu))
        return BCMenu::FindKeyboardShortcut(ch, flags, menu);
    return CButton::OnMenuChar(ch, flags, menu);
}

void CButtonST::OnMeasureItem(int id, LPMEASUREITEMSTRUCT item)
{
    if (item->CtlType == ODT_MENU && m_menu.m_hMenu) {
        m_menu.MeasureItem(item);
        return;
    }
    CButton::OnMeasureItem(id, item);
}
