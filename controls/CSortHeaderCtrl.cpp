#include "controls/CSortHeaderCtrl.h"

#include "framework/CDC.h"
#include "framework/CGdiObject.h"

void CSortHeaderCtrl::SetSortArrow(int column, BOOL ascending)
{
    m_sortColumn = column;
    m_sortAscending = ascending;
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    GetItem(column, &item);
    item.fmt |= HDF_OWNERDRAW;
    SetItem(column, &item);
    Invalidate(TRUE);
}

void CSortHeaderCtrl::Serialize(CArchive& archive)
{
    if (archive.IsStoring()) {
        const int count = GetItemCount();
        if (count == -1)
            return;
        archive << count;
        for (int i = 0; i < count; ++i) {
            HDITEMA item{};
            item.mask = HDI_WIDTH;
            GetItem(i, &item);
            archive << item.cxy;
        }
        return;
    }
    int count = 0;
    archive >> count;
    if (archive.IsPastEnd() || count != GetItemCount())
        return;
    for (int i = 0; i < count; ++i) {
        int width = 0;
        archive >> width;
        // A value shorter than its count claims: keep the widths read so far.
        if (archive.IsPastEnd())
            return;
        HDITEMA item{};
        item.mask = HDI_WIDTH;
        item.cxy = width;
        SetItem(i, &item);
    }
}

void CSortHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT drawItem)
{
    CDC dc;
    dc.Attach(drawItem->hDC);
    const int saved = dc.SaveDC();
    const RECT itemRect = drawItem->rcItem;
    CRgn clip;
    clip.CreateRectRgnIndirect(&itemRect);
    dc.SelectClipRgn(&clip);
    clip.DeleteObject();
    dc.FillSolidRect(&itemRect, ::GetSysColor(COLOR_BTNFACE));

    char text[256] = {};
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    GetItem(static_cast<int>(drawItem->itemID), &item);
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP | DT_END_ELLIPSIS;
    if (item.fmt & HDF_CENTER)
        format |= DT_CENTER;
    else if (item.fmt & HDF_RIGHT)
        format |= DT_RIGHT;

    RECT label = itemRect;
    if (drawItem->itemState == ODS_SELECTED) {
        ++label.left;
        ++label.right;
        label.top += 2;
    }
    const int offset = (itemRect.bottom - itemRect.top) / 4;
    const bool sortColumn = static_cast<int>(drawItem->itemID) == m_sortColumn;
    if (sortColumn)
        label.right -= 3 * offset;
    label.left += offset;
    label.right -= offset;
    if (label.left < label.right)
        dc.DrawText(text, &label, format);
    if (sortColumn)
        DrawSortArrow(dc, itemRect, offset);

    dc.RestoreDC(saved);
    dc.Detach();
}

void CSortHeaderCtrl::DrawSortArrow(CDC& dc, const RECT& item, int offset) const
{
    CPen light(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    CPen dark(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    const int r = item.right;
    const int b = item.bottom;
    CPen* previous = dc.SelectObject(&light);
    if (m_sortAscending) {
        dc.MoveTo(r - 2 * offset, offset);
        dc.LineTo(r - offset, b - offset - 1);
        dc.LineTo(r - 3 * offset - 2, b - offset - 1);
        dc.SelectObject(&dark);
        dc.MoveTo(r - 3 * offset - 1, b - offset - 1);
        dc.LineTo(r - 2 * offset, offset - 1);
    } else {
        dc.MoveTo(r - offset - 1, offset);
        dc.LineTo(r - 2 * offset - 1, b - offset);
        dc.SelectObject(&dark);
        dc.MoveTo(r - 2 * offset - 2, b - offset);
        dc.LineTo(r - 3 * offset - 1, offset);
        dc.LineTo(r - offset - 1, offset);
    }
    dc.SelectObject(previous);
}
