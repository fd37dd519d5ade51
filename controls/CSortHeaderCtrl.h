#pragma once

#include "framework/CArchive.h"
#include "framework/CHeaderCtrl.h"

// The header of a sortable list: draws a small raised triangle in the heading
// of the sort column, pointing up for ascending and down for descending, and
// stores or restores the column widths.
class CSortHeaderCtrl : public CHeaderCtrl
{
public:
    CSortHeaderCtrl() = default;

    // Makes the column's heading owner-drawn (for good) and redraws the header.
    void SetSortArrow(int column, BOOL ascending);

    // The column count followed by one width per column; loading changes
    // nothing when the stored count differs from the header's.
    void Serialize(CArchive& archive);

    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

    int GetSortColumn() const { return m_sortColumn; }
    BOOL IsSortAscending() const { return m_sortAscending; }

private:
    void DrawSortArrow(CDC& dc, const RECT& item, int offset) const;

    int m_sortColumn = -1;
    BOOL m_sortAscending = TRUE;
};
