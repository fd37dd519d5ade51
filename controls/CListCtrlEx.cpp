#include "controls/CListCtrlEx.h"

#include "controls/CCheckMsgBox.h"
#include "framework/AfxMessageBox.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

const char kSettingsFile[] = "dcm.ini";
const char kSettingKey[] = "showcofm=";
const char kNothingToMove[] = "No item selected, please select one item from list above.";
const char kNothingToDelete[] = "No item selected, please select one item from list above to delete.";
const char kDeleteQuestion[] = "Are you sure you want to delete selected robot actions?";

}  // namespace

BEGIN_MESSAGE_MAP(CListCtrlEx, CListCtrl)
    ON_WM_KEYUP()
END_MESSAGE_MAP()

CListCtrlEx::MovePlan CListCtrlEx::PlanMoveUp(std::vector<int> selected)
{
    std::sort(selected.begin(), selected.end());
    MovePlan plan;
    int limit = -1;
    for (int row : selected) {
        if (row - 1 > limit) {
            plan.swaps.emplace_back(row, row - 1);
            limit = row - 1;
        } else {
            limit = row;
        }
        plan.selection.push_back(limit);
        plan.visible.push_back(row - 1);
    }
    return plan;
}

CListCtrlEx::MovePlan CListCtrlEx::PlanMoveDown(std::vector<int> selected, int rowCount)
{
    std::sort(selected.rbegin(), selected.rend());
    MovePlan plan;
    int limit = rowCount;
    for (int row : selected) {
        if (row + 1 < limit) {
            plan.swaps.emplace_back(row, row + 1);
            limit = row + 1;
        } else {
            limit = row;
        }
        plan.selection.push_back(limit);
        plan.visible.push_back(row + 1);
    }
    return plan;
}

std::vector<int> CListCtrlEx::SelectedRows() const
{
    std::vector<int> rows;
    for (int row = GetNextItem(-1, LVNI_SELECTED); row >= 0; row = GetNextItem(row, LVNI_SELECTED))
        rows.push_back(row);
    return rows;
}

BOOL CListCtrlEx::HasSelection(const char* message) const
{
    if (GetSelectedCount() > 0)
        return TRUE;
    AfxMessageBox(message);
    return FALSE;
}

void CListCtrlEx::SelectItem(int index, BOOL focus)
{
    const UINT state = focus ? LVIS_SELECTED | LVIS_FOCUSED : LVIS_SELECTED;
    SetItemState(index, state, state);
}

void CListCtrlEx::RenumberFrom(int row)
{
    const int count = GetItemCount();
    for (; row < count; ++row) {
        CString number;
        number.Format("%d", row + 1);
        SetItemText(row, 0, number);
    }
}

void CListCtrlEx::DeselectItem(int index)
{
    SetItemState(index, 0, LVIS_SELECTED | LVIS_FOCUSED);
}

void CListCtrlEx::ApplyMove(const MovePlan& plan, const std::vector<int>& selected)
{
    for (size_t i = 0; i < plan.swaps.size(); ++i) {
        const auto& swap = plan.swaps[i];
        const CString first = GetItemText(swap.first, 1);
        SetItemText(swap.first, 1, GetItemText(swap.second, 1));
        SetItemText(swap.second, 1, first);
    }
    for (int row : plan.visible)
        EnsureVisible(row, FALSE);
    for (int row : selected)
        DeselectItem(row);
    SetFocus();
    for (int row : plan.selection)
        SelectItem(row, TRUE);
}

void CListCtrlEx::MoveSelectedUp()
{
    if (!HasSelection(kNothingToMove))
        return;
    const std::vector<int> selected = SelectedRows();
    ApplyMove(PlanMoveUp(selected), selected);
}

void CListCtrlEx::MoveSelectedDown()
{
    if (!HasSelection(kNothingToMove))
        return;
    const std::vector<int> selected = SelectedRows();
    ApplyMove(PlanMoveDown(selected, GetItemCount()), selected);
}

BOOL CListCtrlEx::ConfirmDelete()
{
    if (IsDeleteConfirmOff())
        return TRUE;
    CCheckMsgBox box(GetParent());
    box.m_strMessage = kDeleteQuestion;
    box.DoModal();
    if (!box.m_bAnswer)
        return FALSE;
    if (box.m_bDoNotShow)
        SaveDeleteConfirm(TRUE);
    return TRUE;
}

void CListCtrlEx::DeleteSelected()
{
    if (!HasSelection(kNothingToDelete) || !ConfirmDelete())
        return;
    int smallest = GetItemCount();
    for (int row = GetNextItem(-1, LVNI_SELECTED); row >= 0; row = GetNextItem(-1, LVNI_SELECTED)) {
        smallest = std::min(smallest, row);
        if (!DeleteItem(row))
            break;
    }
    RenumberFrom(smallest);
    const int count = GetItemCount();
    if (count > 0)
        SelectItem(std::min(smallest, count - 1), TRUE);
}

CString CListCtrlEx::SettingsPath() const
{
    if (!m_fnDataFolder)
        return CString();
    return m_fnDataFolder() + "\\" + kSettingsFile;
}

BOOL CListCtrlEx::IsDeleteConfirmOff() const
{
    const CString path = SettingsPath();
    if (path.IsEmpty())
        return FALSE;
    std::ifstream file(static_cast<const char*>(path));
    std::string line;
    while (std::getline(file, line)) {
        if (line.compare(0, std::strlen(kSettingKey), kSettingKey) != 0)
            continue;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return line.substr(std::strlen(kSettingKey)) == "0";
    }
    return FALSE;
}

void CListCtrlEx::SaveDeleteConfirm(BOOL doNotAsk)
{
    const CString path = SettingsPath();
    if (path.IsEmpty())
        return;
    // A fresh profile has no data folder yet.
    if (m_fnCreateFolder)
        m_fnCreateFolder(m_fnDataFolder());
    FILE* file = std::fopen(path, "w");
    if (!file)
        return;
    std::fprintf(file, "showcofm=%d\n", doNotAsk ? 0 : 1);
    std::fclose(file);
}

void CListCtrlEx::OnKeyUp(UINT key, UINT, UINT)
{
    if (key == VK_DELETE)
        DeleteSelected();
    Default();
}
