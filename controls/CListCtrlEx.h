#pragma once

#include "framework/CListCtrl.h"
#include "framework/CString.h"

#include <functional>
#include <utility>
#include <vector>

// The robot editor's list of actions: column 0 numbers the rows from 1, column
// 1 holds the action lines. Selected rows move up or down as a block and are
// deleted after a question the user can switch off for good ("dcm.ini" in the
// per-user data folder).
class CListCtrlEx : public CListCtrl
{
public:
    // How moving the selected rows changes the list: the column-1 texts swapped
    // in order, the rows to scroll into view, and the rows selected afterwards.
    struct MovePlan
    {
        std::vector<std::pair<int, int>> swaps;
        std::vector<int> visible;
        std::vector<int> selection;
    };

    CListCtrlEx() = default;

    void MoveSelectedUp();
    void MoveSelectedDown();
    void DeleteSelected();

    // TRUE when "dcm.ini" says not to ask before deleting.
    BOOL IsDeleteConfirmOff() const;
    // Rewrites "dcm.ini", creating the data folder first.
    void SaveDeleteConfirm(BOOL doNotAsk);

    // Sets the step number of every row from row on to its position + 1.
    void RenumberFrom(int row);

    void SelectItem(int index, BOOL focus);
    void DeselectItem(int index);

    // The selected rows in any order; the plans sort them.
    static MovePlan PlanMoveUp(std::vector<int> selected);
    static MovePlan PlanMoveDown(std::vector<int> selected, int rowCount);

    // The per-user data folder, and how to create it; given by the owner, which
    // knows where the program keeps its files.
    std::function<CString()> m_fnDataFolder;
    std::function<void(const CString&)> m_fnCreateFolder;

protected:
    void OnKeyUp(UINT key, UINT repeatCount, UINT flags);

    DECLARE_MESSAGE_MAP()

private:
    std::vector<int> SelectedRows() const;
    // FALSE, after telling the user, when no row is selected.
    BOOL HasSelection(const char* message) const;
    void ApplyMove(const MovePlan& plan, const std::vector<int>& selected);
    BOOL ConfirmDelete();
    // Empty while the owner has given no data folder.
    CString SettingsPath() const;
};
