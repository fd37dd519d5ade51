#pragma once

#include "controls/CSortHeaderCtrl.h"
#include "framework/CListCtrl.h"
#include "framework/CString.h"

#include <vector>

// A report list bound to a list view of a dialog template. Its columns come
// from one headings string ("Name,100;Start Key,60"); it keeps its own copy
// of every cell's text and sorts its rows when a column heading is clicked
// (again on the same heading reverses the order), comparing those copies as
// numbers, dd/mm/yyyy dates or text.
class CSortListCtrl : public CListCtrl
{
public:
    CSortListCtrl() = default;
    ~CSortListCtrl() override;

    // Appends one left-aligned column per "heading,width" pair, pairs
    // separated by ";". FALSE when a column cannot be inserted.
    BOOL SetHeadings(const CString& headings);

    // Appends a row with exactly one text per column, column 0 first; returns
    // the new row's index.
    template <class... Texts>
    int AddItem(const Texts&... texts)
    {
        return AddRow({CString(texts)...});
    }
    int AddRow(const std::vector<CString>& texts);

    BOOL SetItemText(int row, int column, const char* text);

    // A value the list's owner keeps with a row, 0 until it is set; it stays
    // with the row when the list is sorted.
    void SetRowValue(int row, DWORD value);
    DWORD GetRowValue(int row) const;
    BOOL DeleteItem(int row);
    BOOL DeleteAllItems();

    // Restores column widths left in the application profile (section
    // "ListCtrls", entry the control's id in decimal).
    void LoadColumnInfo();

    void Sort(int column, BOOL ascending);
    static int CALLBACK CompareFunction(LPARAM first, LPARAM second, LPARAM list);

    int GetColumnCount() const { return m_columnCount; }
    int GetSortColumn() const { return m_sortColumn; }
    BOOL IsSortAscending() const { return m_sortAscending; }

protected:
    void PreSubclassWindow() override;
    void OnDestroy();
    void OnColumnClick(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    // One per row, held as the row's item data.
    struct RowData
    {
        std::vector<CString> texts;
        DWORD appValue = 0;
    };

    RowData* GetRowData(int row) const;
    void FreeRowData(int row);
    void FreeAllRowData();

    CSortHeaderCtrl m_header;
    int m_columnCount = 0;
    int m_sortColumn = -1;
    BOOL m_sortAscending = TRUE;
};

// How a sortable list compares two cell texts: the kind is decided by the
// first text alone (all decimal digits, empty included: a number; exactly
// dd/mm/yyyy: a date; otherwise text) and the second is read the same way.
// Negative, zero or positive as for strcmp.
int CompareListCells(const char* first, const char* second);
