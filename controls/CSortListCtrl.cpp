#include "controls/CSortListCtrl.h"

#include "framework/CAppProfile.h"
#include "framework/CArchive.h"

#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <string>

namespace {

const char kColumnWidthsSection[] = "ListCtrls";

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsAllDigits(const char* text)
{
    for (; *text; ++text) {
        if (!IsDigit(*text))
            return false;
    }
    return true;
}

bool IsDate(const char* text)
{
    if (std::strlen(text) != 10)
        return false;
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (!IsDigit(text[i]))
            return false;
    }
    return text[2] == '/' && text[5] == '/';
}

// The decimal value at the start of the text; saturates instead of
// overflowing for long runs of digits.
long LeadingNumber(const char* text)
{
    return std::strtol(text, nullptr, 10);
}

long NumberPart(const char* text, size_t start, size_t count)
{
    const size_t length = std::strlen(text);
    if (start >= length)
        return 0;
    return LeadingNumber(std::string(text + start, std::min(count, length - start)).c_str());
}

int Sign(long a, long b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

int CompareDates(const char* a, const char* b)
{
    const size_t parts[][2] = {{6, 4}, {3, 2}, {0, 2}};
    for (const auto& part : parts) {
        int order = Sign(NumberPart(a, part[0], part[1]), NumberPart(b, part[0], part[1]));
        if (order != 0)
            return order;
    }
    return 0;
}

}  // namespace

int CompareListCells(const char* first, const char* second)
{
    if (IsAllDigits(first))
        return Sign(LeadingNumber(first), LeadingNumber(second));
    if (IsDate(first))
        return CompareDates(first, second);
    return lstrcmpA(first, second);
}

BEGIN_MESSAGE_MAP(CSortListCtrl, CListCtrl)
    ON_WM_DESTROY()
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
END_MESSAGE_MAP()

CSortListCtrl::~CSortListCtrl()
{
    if (IsWindow())
        FreeAllRowData();
}

void CSortListCtrl::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    HWND header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    if (header)
        m_header.SubclassWindow(header);
}

BOOL CSortListCtrl::SetHeadings(const CString& headings)
{
    int start = 0;
    for (;;) {
        const int comma = headings.Find(',', start);
        if (comma < 0)
            return TRUE;
        const CString heading = headings.Mid(start, comma - start);
        start = comma + 1;
        int semicolon = headings.Find(';', start);
        if (semicolon < 0)
            semicolon = headings.GetLength();
        const int width = std::atoi(headings.Mid(start, semicolon - start));
        if (InsertColumn(m_columnCount++, heading, LVCFMT_LEFT, width) == -1)
            return FALSE;
        start = semicolon + 1;
    }
}

int CSortListCtrl::AddRow(const std::vector<CString>& texts)
{
    auto* data = new RowData;
    data->texts.resize(m_columnCount);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = GetItemCount();
    item.pszText = const_cast<char*>(texts.empty() ? "" : texts[0].GetString());
    const int row = InsertItem(&item);
    if (row < 0) {
        delete data;
        return row;
    }
    for (int i = 0; i < m_columnCount; ++i) {
        data->texts[i] = i < static_cast<int>(texts.size()) ? texts[i] : CString();
        if (i >= 1)
            CListCtrl::SetItemText(row, i, data->texts[i]);
    }
    CListCtrl::SetItemData(row, reinterpret_cast<DWORD_PTR>(data));
    return row;
}

BOOL CSortListCtrl::SetItemText(int row, int column, const char* text)
{
    if (!CListCtrl::SetItemText(row, column, text))
        return FALSE;
    RowData* data = GetRowData(row);
    if (data && column >= 0 && column < static_cast<int>(data->texts.size()))
        data->texts[column] = text;
    return TRUE;
}

void CSortListCtrl::SetRowValue(int row, DWORD value)
{
    if (RowData* data = GetRowData(row))
        data->appValue = value;
}

DWORD CSortListCtrl::GetRowValue(int row) const
{
    const RowData* data = GetRowData(row);
    return data ? data->appValue : 0;
}

BOOL CSortListCtrl::DeleteItem(int row)
{
    FreeRowData(row);
    return CListCtrl::DeleteItem(row);
}

BOOL CSortListCtrl::DeleteAllItems()
{
    FreeAllRowData();
    return CListCtrl::DeleteAllItems();
}

void CSortListCtrl::LoadColumnInfo()
{
    std::vector<BYTE> bytes;
    if (!CAppProfile::GetBinary(kColumnWidthsSection, FormatString("%d", GetDlgCtrlID()), bytes) || bytes.empty())
        return;
    CArchive archive(bytes.data(), bytes.size());
    m_header.Serialize(archive);
    m_header.Invalidate(TRUE);
}

void CSortListCtrl::Sort(int column, BOOL ascending)
{
    m_sortColumn = column;
    m_sortAscending = ascending;
    m_header.SetSortArrow(column, ascending);
    SortItems(&CSortListCtrl::CompareFunction, reinterpret_cast<DWORD_PTR>(this));
}

int CALLBACK CSortListCtrl::CompareFunction(LPARAM first, LPARAM second, LPARAM list)
{
    const auto* self = reinterpret_cast<const CSortListCtrl*>(list);
    const auto* a = reinterpret_cast<const RowData*>(first);
    const auto* b = reinterpret_cast<const RowData*>(second);
    const int column = self->m_sortColumn;
    auto cell = [column](const RowData* row) -> const char* {
        return row && column >= 0 && column < static_cast<int>(row->texts.size()) ? row->texts[column].GetString() : "";
    };
    return self->m_sortAscending ? CompareListCells(cell(a), cell(b)) : CompareListCells(cell(b), cell(a));
}

void CSortListCtrl::OnColumnClick(NMHDR* header, LRESULT* result)
{
    const int column = reinterpret_cast<NMLISTVIEW*>(header)->iSubItem;
    const BOOL ascending = column != m_sortColumn || !m_sortAscending;
    Sort(column, ascending);
    *result = 0;
}

void CSortListCtrl::OnDestroy()
{
    FreeAllRowData();
    CListCtrl::OnDestroy();
}

CSortListCtrl::RowData* CSortListCtrl::GetRowData(int row) const
{
    return reinterpret_cast<RowData*>(CListCtrl::GetItemData(row));
}

void CSortListCtrl::FreeRowData(int row)
{
    RowData* data = GetRowData(row);
    if (!data)
        return;
    delete data;
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = 0;
    SetItem(&item);
}

void CSortListCtrl::FreeAllRowData()
{
    for (int row = GetItemCount() - 1; row >= 0; --row)
        FreeRowData(row);
}
