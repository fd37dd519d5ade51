#include "ControlsTestDialog.h"

#include "framework/CAppProfile.h"
#include "tests/controls/ControlsTestIds.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<CString> Column(CSortListCtrl& list, int column)
{
    std::vector<CString> texts;
    for (int row = 0; row < list.GetItemCount(); ++row)
        texts.push_back(list.GetItemText(row, column));
    return texts;
}

// A heading click as the list view reports it to its parent.
void ClickHeading(CControlsTestDialog& dialog, int column)
{
    NMLISTVIEW click{};
    click.hdr.hwndFrom = dialog.m_list.m_hWnd;
    click.hdr.idFrom = IDC_TEST_LIST;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iItem = -1;
    click.iSubItem = column;
    dialog.SendMessage(WM_NOTIFY, IDC_TEST_LIST, reinterpret_cast<LPARAM>(&click));
}

void WriteWidths(const std::vector<int>& values)
{
    CAppProfile::WriteBinary("ListCtrls", "1001", values.data(), static_cast<UINT>(values.size() * sizeof(int)));
}

void ForgetWidths()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(CAppProfile::kRootKey) + "\\ListCtrls").c_str(), 0, KEY_SET_VALUE,
                      &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, "1001");
        RegCloseKey(key);
    }
}

}  // namespace

TEST(SortListCompare, KindIsDecidedByTheFirstCell)
{
    EXPECT_LT(CompareListCells("9", "10"), 0);
    EXPECT_GT(CompareListCells("10", "9"), 0);
    EXPECT_GT(CompareListCells("5", "abc"), 0);  // abc reads as 0
    EXPECT_EQ(CompareListCells("", ""), 0);
    EXPECT_EQ(CompareListCells("", "0"), 0);
    EXPECT_LT(CompareListCells("03/04/2020", "02/05/2020"), 0);  // the month before the day
    EXPECT_GT(CompareListCells("03/04/2020", "31/12/2019"), 0);  // the year first
    EXPECT_EQ(CompareListCells("03/04/2020", "03/04/2020"), 0);
    EXPECT_EQ(CompareListCells("-5", "1.5") < 0, lstrcmpA("-5", "1.5") < 0);
    EXPECT_EQ(CompareListCells("12 ", "9") < 0, lstrcmpA("12 ", "9") < 0);
    EXPECT_EQ(CompareListCells("3/4/2020", "10/10/2020") < 0, lstrcmpA("3/4/2020", "10/10/2020") < 0);
    EXPECT_GT(CompareListCells("99999999999999999999", "5"), 0);
}

TEST(SortListCtrl, HeadingsMakeColumns)
{
    CControlsTestDialog dialog;
    ASSERT_TRUE(dialog.m_list.IsWindow());
    EXPECT_TRUE(dialog.m_list.SetHeadings("Enable,50;Name,100;Start Key,60;End Key,"));
    EXPECT_EQ(dialog.m_list.GetColumnCount(), 4);
    EXPECT_EQ(dialog.m_list.GetColumnWidth(1), 100);
    EXPECT_EQ(dialog.m_list.GetColumnWidth(3), 0);

    CControlsTestDialog other;
    EXPECT_TRUE(other.m_list.SetHeadings("no commas here"));
    EXPECT_EQ(other.m_list.GetColumnCount(), 0);
}

TEST(SortListCtrl, HeadingClicksSortAndReverse)
{
    CControlsTestDialog dialog;
    CSortListCtrl& list = dialog.m_list;
    list.SetHeadings("Enable,50;Name,100;Count,60");
    EXPECT_EQ(list.AddItem("", "beta", "10"), 0);
    EXPECT_EQ(list.AddItem("", "alpha", "9"), 1);
    EXPECT_EQ(list.AddItem("", "gamma", "100"), 2);

    ClickHeading(dialog, 1);
    EXPECT_EQ(Column(list, 1), std::vector<CString>({"alpha", "beta", "gamma"}));
    EXPECT_EQ(list.GetSortColumn(), 1);
    ClickHeading(dialog, 1);
    EXPECT_EQ(Column(list, 1), std::vector<CString>({"gamma", "beta", "alpha"}));
    ClickHeading(dialog, 1);
    EXPECT_EQ(Column(list, 1), std::vector<CString>({"alpha", "beta", "gamma"}));

    // A new column starts ascending, numbers compared as numbers.
    ClickHeading(dialog, 2);
    EXPECT_TRUE(list.IsSortAscending());
    EXPECT_EQ(Column(list, 2), std::vector<CString>({"9", "10", "100"}));
    EXPECT_EQ(Column(list, 1), std::vector<CString>({"alpha", "beta", "gamma"}));

    // The arrow's column stays owner-drawn.
    CHeaderCtrl* header = list.GetHeaderCtrl();
    ASSERT_TRUE(header);
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    header->GetItem(1, &item);
    EXPECT_TRUE(item.fmt & HDF_OWNERDRAW);
    header->UpdateWindow();
    PumpPendingMessages();
}

TEST(SortListCtrl, SortingUsesTheTextsSetLater)
{
    CControlsTestDialog dialog;
    CSortListCtrl& list = dialog.m_list;
    list.SetHeadings("Name,100");
    list.AddItem("b");
    list.AddItem("c");
    ASSERT_TRUE(list.SetItemText(1, 0, "a"));
    ClickHeading(dialog, 0);
    EXPECT_EQ(Column(list, 0), std::vector<CString>({"a", "b"}));
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(Column(list, 0), std::vector<CString>({"b"}));
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST(SortListCtrl, StoredWidthsApplyOnlyForTheSameColumnCount)
{
    {
        WriteWidths({3, 11, 22, 33});
        CControlsTestDialog dialog;
        dialog.m_list.SetHeadings("A,50;B,50;C,50");
        dialog.m_list.LoadColumnInfo();
        EXPECT_EQ(dialog.m_list.GetColumnWidth(0), 11);
        EXPECT_EQ(dialog.m_list.GetColumnWidth(2), 33);
    }
    {
        WriteWidths({3, 11, 22, 33});
        CControlsTestDialog dialog;
        dialog.m_list.SetHeadings("A,50;B,50;C,50;D,50");
        dialog.m_list.LoadColumnInfo();
        EXPECT_EQ(dialog.m_list.GetColumnWidth(0), 50);
    }
    {
        WriteWidths({3, 11});
        CControlsTestDialog dialog;
        dialog.m_list.SetHeadings("A,50;B,50;C,50");
        dialog.m_list.LoadColumnInfo();
        EXPECT_EQ(dialog.m_list.GetColumnWidth(0), 11);
        EXPECT_EQ(dialog.m_list.GetColumnWidth(1), 50);
    }
    ForgetWidths();
    CControlsTestDialog dialog;
    dialog.m_list.SetHeadings("A,50");
    dialog.m_list.LoadColumnInfo();
    EXPECT_EQ(dialog.m_list.GetColumnWidth(0), 50);
}
