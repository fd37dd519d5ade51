// Measuring and drawing of BCMenu items in the classic and the flat look.
#include "controls/BCMenu.h"
#include "controls/BCMenuFont.h"
#include "controls/BCMenuMemDC.h"

#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"

#include <algorithm>
#include <cmath>

namespace {

void FillColour(CDC* dc, const CRect& rect, COLORREF colour)
{
    dc->FillSolidRect(&rect, colour);
}

int RoundedHalf(int extent, int size)
{
    return std::max(0, static_cast<int>(std::lround((extent - size) / 2.0)));
}

struct ItemState
{
    bool grayed;
    bool checked;
    bool selected;
};

// How an item is drawn: grayed, checked, and selected (a grayed item only
// when the style lets disabled items be selected).
ItemState StateOf(const DRAWITEMSTRUCT& item, bool selectDisabled)
{
    const bool grayed = (item.itemState & ODS_GRAYED) != 0;
    const bool selected = (item.itemState & ODS_SELECTED) && (!grayed || selectDisabled);
    return {grayed, (item.itemState & ODS_CHECKED) != 0, selected};
}

}  // namespace

COLORREF BCMenu::LightenColor(COLORREF color, double factor)
{
    if (!(factor > 0.0 && factor <= 1.0))
        return color;
    auto lighten = [factor](BYTE channel) { return static_cast<BYTE>(channel + factor * (255 - channel)); };
    return RGB(lighten(GetRValue(color)), lighten(GetGValue(color)), lighten(GetBValue(color)));
}

void BCMenu::DrawCheckMark(CDC* dc, int x, int y, COLORREF color)
{
    static const int kStrokeTops[7] = {2, 3, 4, 3, 2, 1, 0};
    CPen pen(PS_SOLID, 1, color);
    CPen* old = dc->SelectObject(&pen);
    for (int i = 0; i < 7; ++i) {
        dc->MoveTo(x + i, y + kStrokeTops[i]);
        dc->LineTo(x + i, y + kStrokeTops[i] + 3);
    }
    dc->SelectObject(old);
}

void BCMenu::DrawEmbossed(CDC* dc, CImageList& images, int index, CPoint at, int fillColour)
{
    int width = 0;
    int height = 0;
    if (!images.GetImageSize(width, height))
        return;
    // The image on white, then as a monochrome mask: white stays 1, the image's pixels become 0.
    CDC colour;
    CDC mono;
    CBitmap colourBitmap;
    CBitmap monoBitmap;
    if (!colour.CreateCompatibleDC(dc) || !mono.CreateCompatibleDC(dc) ||
        !colourBitmap.CreateCompatibleBitmap(dc, width, height) ||
        !monoBitmap.CreateBitmap(width, height, 1, 1, nullptr))
        return;
    CBitmap* oldColour = colour.SelectObject(&colourBitmap);
    CBitmap* oldMono = mono.SelectObject(&monoBitmap);
    colour.FillSolidRect(0, 0, width, height, RGB(255, 255, 255));
    images.Draw(&colour, index, CPoint(0, 0), ILD_TRANSPARENT);
    colour.SetBkColor(RGB(255, 255, 255));
    mono.BitBlt(0, 0, width, height, &colour, 0, 0, SRCCOPY);

    dc->FillSolidRect(at.x, at.y, width, height, ::GetSysColor(fillColour));
    const COLORREF oldText = dc->SetTextColor(RGB(0, 0, 0));
    const COLORREF oldBack = dc->SetBkColor(RGB(255, 255, 255));
    const DWORD kPaintBrushWhereBlack = 0xB8074A;
    CBrush highlight(::GetSysColor(COLOR_BTNHIGHLIGHT));
    CBrush* oldBrush = dc->SelectObject(&highlight);
    dc->BitBlt(at.x + 1, at.y + 1, width, height, &mono, 0, 0, kPaintBrushWhereBlack);
    CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
    dc->SelectObject(&shadow);
    dc->BitBlt(at.x, at.y, width, height, &mono, 0, 0, kPaintBrushWhereBlack);
    dc->SelectObject(oldBrush);
    dc->SetTextColor(oldText);
    dc->SetBkColor(oldBack);
    colour.SelectObject(oldColour);
    mono.SelectObject(oldMono);
}

void BCMenu::MeasureItem(LPMEASUREITEMSTRUCT item)
{
    const auto* data = reinterpret_cast<const BCMenuData*>(item->itemData);
    if (!data)
        return;
    const int gap = IconGap();
    if (data->m_nFlags & MF_SEPARATOR) {
        item->itemWidth = 0;
        item->itemHeight = static_cast<UINT>(std::max(::GetSystemMetrics(SM_CYMENU) / 2, (m_nIconY + gap) / 2));
        return;
    }
    HWND window = MenuOwnerWindow();
    HDC screen = ::GetDC(window);
    int textWidth = 0;
    {
        CMenuFontSelection font(screen);
        textWidth = MenuTextWidth(screen, data->m_strText);
    }
    ::ReleaseDC(window, screen);
    const bool flat = GetMenuDrawMode() == LOOK_FLAT;
    item->itemWidth = static_cast<UINT>(flat ? textWidth + m_nIconX + gap + 8 : textWidth + 2 * m_nIconX + 1);
    item->itemHeight = static_cast<UINT>(std::max(::GetSystemMetrics(SM_CYMENU), m_nIconY + gap));
}

void BCMenu::DrawItem(LPDRAWITEMSTRUCT item)
{
    const auto* data = reinterpret_cast<const BCMenuData*>(item->itemData);
    if (!data || item->CtlType != ODT_MENU)
        return;
    CDC* dc = CDC::FromHandle(item->hDC);
    if (MenuDrawMode(dc) == LOOK_FLAT)
        DrawFlat(item, *data);
    else
        DrawClassic(item, *data);
}

void BCMenu::DrawItemText(CDC* dc, const BCMenuData& data, CRect rect, COLORREF colour) const
{
    CMenuFontSelection font(dc->GetSafeHdc());
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    const COLORREF oldColour = dc->SetTextColor(colour);
    const size_t tab = data.m_strText.rfind(L'\t');
    const std::wstring before = data.m_strText.substr(0, tab);
    const UINT format = DT_SINGLELINE | DT_VCENTER;
    ::DrawTextW(dc->GetSafeHdc(), before.c_str(), static_cast<int>(before.size()), &rect, format | DT_LEFT);
    if (tab != std::wstring::npos) {
        const std::wstring after = data.m_strText.substr(tab + 1);
        CRect accelerator = rect;
        accelerator.right -= m_nIconX;
        ::DrawTextW(dc->GetSafeHdc(), after.c_str(), static_cast<int>(after.size()), &accelerator, format | DT_RIGHT);
    }
    dc->SetTextColor(oldColour);
    dc->SetBkMode(oldMode);
}

void BCMenu::DrawClassic(LPDRAWITEMSTRUCT item, const BCMenuData& data)
{
    CDC* dc = CDC::FromHandle(item->hDC);
    CRect rect(item->rcItem);
    const auto [grayed, checked, selected] = StateOf(*item, s_bSelectDisabledClassic);
    const COLORREF background = ::GetSysColor(IsThemedXP() ? COLOR_BTNFACE : COLOR_MENU);
    FillColour(dc, rect, background);
    if (data.m_nFlags & MF_SEPARATOR) {
        CRect line = rect;
        line.top += rect.Height() / 2;
        dc->DrawEdge(&line, EDGE_ETCHED, BF_TOP);
        return;
    }
    const int image = ImageOf(data);
    const bool hasBox = image >= 0 || checked;
    if (selected) {
        CRect highlight = rect;
        if (hasBox)
            highlight.left += m_nIconX + 5;
        FillColour(dc, highlight, ::GetSysColor(COLOR_HIGHLIGHT));
    }
    const int offset = std::max(0, (rect.Height() - m_nIconY - 4) / 2);
    CRect box(rect.left + 1, rect.top + offset, rect.left + 1 + m_nIconX + 4, rect.top + offset + m_nIconY + 4);
    if (image >= 0) {
        const CPoint at(box.left + 2, box.top + 2);
        if (grayed)
            DrawEmbossed(dc, SharedImages(), image, at, IsThemedXP() ? COLOR_BTNFACE : COLOR_MENU);
        else
            SharedImages().Draw(dc, image, at, ILD_TRANSPARENT);
        if (selected && !grayed)
            dc->Draw3dRect(&box, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    } else if (checked) {
        if (!selected)
            FillColour(dc, box, LightenColor(background, 0.6));
        dc->DrawEdge(&box, BDR_SUNKENOUTER, BF_RECT);
        if (data.m_nFlags & MFT_RADIOCHECK) {
            CBrush dot(::GetSysColor(COLOR_MENUTEXT));
            CRect spot(box.left + 5, box.top + 4, box.left + 5 + 6, box.top + 4 + 6);
            dc->FillRect(&spot, &dot);
        } else {
            DrawCheckMark(dc, box.left + 4, box.top + 4, ::GetSysColor(COLOR_MENUTEXT));
        }
    }
    CRect text = rect;
    text.left += m_nIconX + 8;
    const COLORREF colour = grayed     ? ::GetSysColor(COLOR_GRAYTEXT)
                            : selected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT)
                                       : ::GetSysColor(COLOR_MENUTEXT);
    DrawItemText(dc, data, text, colour);
}

void BCMenu::DrawFlat(LPDRAWITEMSTRUCT item, const BCMenuData& data)
{
    CDC* target = CDC::FromHandle(item->hDC);
    CRect rect(item->rcItem);
    const auto [grayed, checked, selected] = StateOf(*item, s_bSelectDisabledFlat);
    const bool themed = IsThemedXP() != FALSE;
    // A grayed item that is not drawn selected is drawn off screen first.
    std::unique_ptr<BCMenuMemDC> offscreen;
    if (grayed && !s_bSelectDisabledFlat)
        offscreen = std::make_unique<BCMenuMemDC>(target, rect);
    CDC* dc = offscreen ? offscreen.get() : target;
    const int gap = IconGap();
    const int margin = m_nIconX + gap;
    COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    if (!themed)
        face = LightenColor(face, 0.25);
    FillColour(dc, rect, ::GetSysColor(COLOR_WINDOW));
    FillColour(dc, CRect(rect.left, rect.top, rect.left + margin, rect.bottom), face);
    if (data.m_nFlags & MF_SEPARATOR) {
        CPen line(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
        CPen* old = dc->SelectObject(&line);
        const int middle = rect.top + rect.Height() / 2;
        dc->MoveTo(rect.left + margin + gap, middle);
        dc->LineTo(rect.right, middle);
        dc->SelectObject(old);
        return;
    }
    const COLORREF selection = LightenColor(::GetSysColor(COLOR_HIGHLIGHT), themed ? 0.7 : 0.85);
    if (selected) {
        FillColour(dc, rect, selection);
        CBrush frame(::GetSysColor(COLOR_HIGHLIGHT));
        dc->FrameRect(&rect, &frame);
    }
    const CPoint at(rect.left + RoundedHalf(margin, m_nIconX), rect.top + RoundedHalf(rect.Height(), m_nIconY));
    CImageList& images = SharedImages();
    const int image = ImageOf(data);
    if (image >= 0) {
        const bool copies = s_bRaisedIcons && ImageCountOf(data.m_nID) == 3;
        if (grayed) {
            DrawEmbossed(dc, images, image, at, COLOR_BTNFACE);
        } else if (selected && copies) {
            images.Draw(dc, image + 2, CPoint(at.x + 1, at.y + 1), ILD_TRANSPARENT);
            images.Draw(dc, image, CPoint(at.x - 1, at.y - 1), ILD_TRANSPARENT);
        } else {
            images.Draw(dc, image + (copies ? 1 : 0), at, ILD_TRANSPARENT);
        }
    } else if (checked) {
        CRect box(at.x - 1, at.y - 1, at.x + m_nIconX + 1, at.y + m_nIconY + 1);
        FillColour(dc, box, selection);
        CBrush frame(::GetSysColor(COLOR_HIGHLIGHT));
        dc->FrameRect(&box, &frame);
        DrawCheckMark(dc, box.left + 4, box.top + 4, ::GetSysColor(COLOR_MENUTEXT));
    }
    COLORREF colour = ::GetSysColor(COLOR_MENUTEXT);
    if (grayed) {
        colour = ::GetSysColor(COLOR_GRAYTEXT);
        if (!selected && !themed)
            colour = LightenColor(colour, 0.4);
    }
    CRect text = rect;
    text.left += margin + gap;
    DrawItemText(dc, data, text, colour);
}

CMenuFontSelection::CMenuFontSelection(HDC dc) : m_hDC(dc)
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    m_hFont = ::CreateFontIndirectA(&metrics.lfMenuFont);
    m_hOld = ::SelectObject(dc, m_hFont);
}

CMenuFontSelection::~CMenuFontSelection()
{
    ::SelectObject(m_hDC, m_hOld);
    ::DeleteObject(m_hFont);
}

HWND MenuOwnerWindow()
{
    CWnd* main = AfxGetMainWnd();
    return main && main->m_hWnd ? main->m_hWnd : ::GetDesktopWindow();
}

int MenuTextWidth(HDC dc, const std::wstring& text)
{
    RECT rect = {0, 0, 0, 0};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
    return rect.right - rect.left;
}
