#include "ControlsTestDialog.h"

#include "controls/CKeyEditCtrl.h"
#include "controls/CListCtrlEx.h"
#include "framework/CMessageBoxCapture.h"
#include "res/ControlsResource.h"
#include "tests/support/TextCase.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

using Rows = std::vector<std::string>;

Rows Apply(const CListCtrlEx::MovePlan& plan, Rows rows)
{
    for (const auto& swap : plan.swaps)
        std::swap(rows[swap.first], rows[swap.second]);
    return rows;
}

TEST(ActionList, MovePlans)
{
    const Rows rows{"a", "b", "c", "d", "e"};
    const struct
    {
        bool up;
        std::vector<int> selected;
        Rows result;
        std::vector<int> selection;
    } cases[] = {
        {true, {0, 1}, {"a", "b", "c", "d", "e"}, {0, 1}},  {true, {4, 2}, {"a", "c", "b", "e", "d"}, {1, 3}},
        {true, {1, 2}, {"b", "c", "a", "d", "e"}, {0, 1}},  {true, {0, 2}, {"a", "c", "b", "d", "e"}, {0, 1}},
        {false, {4}, {"a", "b", "c", "d", "e"}, {4}},       {false, {3, 4}, {"a", "b", "c", "d", "e"}, {4, 3}},
        {false, {1, 3}, {"a", "c", "b", "e", "d"}, {4, 2}}, {false, {2, 4}, {"a", "b", "d", "c", "e"}, {4, 3}},
    };
    for (const auto& c : cases) {
        const auto plan = c.up ? CListCtrlEx::PlanMoveUp(c.selected) : CListCtrlEx::PlanMoveDown(c.selected, 5);
        EXPECT_EQ(Apply(plan, rows), c.result) << (c.up ? "up " : "down ") << c.selected[0];
        EXPECT_EQ(plan.selection, c.selection) << (c.up ? "up " : "down ") << c.selected[0];
    }
}

// A data folder of the test's own, which does not exist until a test makes it.
struct TempDataFolder
{
    TempDataFolder() : path(e2e::TempFilePath("controls-data") + "\\sub") {}
    ~TempDataFolder()
    {
        DeleteFileA((path + "\\dcm.ini").c_str());
        RemoveDirectoryA(path.c_str());
        RemoveDirectoryA(path.substr(0, path.rfind('\\')).c_str());
    }
    void Bind(CListCtrlEx& list) const
    {
        list.m_fnDataFolder = [this] { return CString(path.c_str()); };
        list.m_fnCreateFolder = [](const CString& folder) {
            CreateDirectoryA(CString(folder).Left(CString(folder).ReverseFind('\\')), nullptr);
            CreateDirectoryA(folder, nullptr);
        };
    }
    std::string Settings() const { return path + "\\dcm.ini"; }

    std::string path;
};

TEST(ActionList, DeleteConfirmSetting)
{
    TempDataFolder folder;
    CListCtrlEx list;
    folder.Bind(list);
    EXPECT_FALSE(list.IsDeleteConfirmOff());

    const struct
    {
        const char* content;
        BOOL off;
    } cases[] = {
        {"showcofm=0\n", TRUE},
        {"showcofm=0\r\n", TRUE},
        {"showcofm=1\n", FALSE},
        {"showcofm=\n", FALSE},
        {"Showcofm=0\n", FALSE},
        {"showcofm=00\n", FALSE},
        {"", FALSE},
        {"x=1\nshowcofm=0\n", TRUE},
        {"showcofm=1\nshowcofm=0\n", FALSE},
    };
    list.SaveDeleteConfirm(FALSE);
    EXPECT_EQ(e2e::ReadWholeFile(folder.Settings()), "showcofm=1\r\n");
    for (const auto& c : cases) {
        ASSERT_TRUE(e2e::WriteWholeFile(folder.Settings(), c.content));
        EXPECT_EQ(list.IsDeleteConfirmOff(), c.off) << c.content;
    }
}

TEST(KeyEdit, TextRule)
{
    const UINT ctrl = CKeyEditCtrl::MOD_CTRL_KEY;
    const UINT shift = CKeyEditCtrl::MOD_SHIFT_KEY;
    const UINT alt = CKeyEditCtrl::MOD_ALT_KEY;
    const struct
    {
        UINT code;
        BOOL hotkey;
        UINT modifiers;
        const char* name;
        const char* text;
    } cases[] = {
        {VK_DELETE, FALSE, 0, "<Delete>", "<Delete>"},
        {VK_DELETE, TRUE, ctrl, "<Delete>", "None"},
        {VK_F11, FALSE, ctrl, "<F11>", "<F11>"},
        {VK_F11, TRUE, 0, "<F11>", "<F11>"},
        {VK_F11, TRUE, ctrl | shift | alt, "<F11>", "Ctrl + Shift + Alt + <F11>"},
        {VK_F11, TRUE, ctrl | shift, "<F11>", "Ctrl + Shift + <F11>"},
        {VK_F11, TRUE, ctrl | alt, "<F11>", "Ctrl + Alt + <F11>"},
        {VK_F11, TRUE, ctrl, "<F11>", "Ctrl + <F11>"},
        {VK_F11, TRUE, shift | alt, "<F11>", "Shift + Alt + <F11>"},
        {VK_F11, TRUE, shift, "<F11>", "Shift + <F11>"},
        {VK_F11, TRUE, alt, "<F11>", "Alt + <F11>"},
        {VK_CONTROL, TRUE, ctrl, "<Ctrl>", "Ctrl + "},
        {VK_SHIFT, TRUE, shift | ctrl, "<Shift>", "Ctrl + Shift + "},
        {252, TRUE, alt, "<NoName>", "Alt + <NoName>"},
        {251, TRUE, alt, "<Zoom>", "None"},
        {'A', TRUE, ctrl, "A", "Ctrl + A"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(CKeyEditCtrl::ComposeText(c.code, c.hotkey, c.modifiers, c.name), c.text) << c.code;

    const UINT refused[] = {3,  5,  6,  8,  9,   12,  13,  19,  21,  23,  25,  27,  31,  33,  34,  42,  44,  46,
                            47, 91, 93, 95, 105, 144, 146, 150, 166, 183, 225, 231, 233, 236, 239, 251, 253, 254};
    const UINT allowed[] = {1,  2,  4,   7,   10,  14,  16,  17,  18,  22,  24,  26,  32,  35,  41,  45,  48, 65,
                            90, 94, 106, 112, 135, 145, 151, 160, 165, 184, 186, 224, 232, 237, 238, 252, 255};
    for (UINT code : refused)
        EXPECT_TRUE(CKeyEditCtrl::IsRefusedHotkey(code)) << code;
    for (UINT code : allowed)
        EXPECT_FALSE(CKeyEditCtrl::IsRefusedHotkey(code)) << code;
}

void FillRows(CListCtrlEx& list, int count)
{
    list.DeleteAllItems();
    for (int i = 0; i < count; ++i) {
        const int row = list.InsertItem(i, std::to_string(i + 1).c_str());
        list.SetItemText(row, 1, std::string(1, static_cast<char>('a' + i)).c_str());
    }
}

std::string Column(const CListCtrlEx& list, int column)
{
    std::string texts;
    for (int row = 0; row < list.GetItemCount(); ++row)
        texts += static_cast<const char*>(list.GetItemText(row, column));
    return texts;
}

std::string Selected(const CListCtrlEx& list)
{
    std::string rows;
    for (int row = list.GetNextItem(-1, LVNI_SELECTED); row >= 0; row = list.GetNextItem(row, LVNI_SELECTED))
        rows += std::to_string(row);
    return rows;
}

// Answers the check message box from another thread, as a user would.
class BoxAnswerer
{
public:
    BoxAnswerer(UINT button, bool tick)
        : m_thread([this, button, tick] {
              e2e::WaitUntil(
                  [&] {
                      HWND box = FindWindowA("#32770", "Orvantis Tapforge");
                      if (!box || !GetDlgItem(box, IDC_CHECK_DONT_SHOW))
                          return m_stop.load();
                      m_text = [&] {
                          char text[256] = {};
                          GetDlgItemTextA(box, IDC_CHECK_MESSAGE, text, sizeof text);
                          return std::string(text);
                      }();
                      if (tick)
                          SendDlgItemMessageA(box, IDC_CHECK_DONT_SHOW, BM_SETCHECK, BST_CHECKED, 0);
                      PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                                   reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
                      m_answered = true;
                      return true;
                  },
                  10000, 20);
          })
    {
    }
    ~BoxAnswerer()
    {
        m_stop = true;
        m_thread.join();
    }
    bool Answered() const { return m_answered; }
    std::string Text() const { return m_text; }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_answered{false};
    std::string m_text;
    std::thread m_thread;
};

TEST(ActionListE2e, MoveKeepsNumbersAndSelection)
{
    CControlsTestDialog dialog;
    CListCtrlEx& list = dialog.m_ActionList;
    FillRows(list, 5);
    list.SelectItem(2, FALSE);
    list.SelectItem(4, FALSE);
    list.MoveSelectedUp();
    EXPECT_EQ(Column(list, 1), "acbed");
    EXPECT_EQ(Column(list, 0), "12345");
    EXPECT_EQ(Selected(list), "13");
    list.MoveSelectedDown();
    EXPECT_EQ(Column(list, 1), "abcde");
    EXPECT_EQ(Selected(list), "24");

    CMessageBoxCapture boxes;
    list.DeselectItem(2);
    list.DeselectItem(4);
    list.MoveSelectedUp();
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_STREQ(boxes.Requests()[0].text, "No item selected, please select one item from list above.");
    list.DeleteSelected();
    ASSERT_EQ(boxes.Count(), 2);
    EXPECT_STREQ(boxes.Requests()[1].text, "No item selected, please select one item from list above to delete.");
}

TEST(ActionListE2e, DeleteAsksAndRemembersTheAnswer)
{
    CControlsTestDialog dialog;
    CListCtrlEx& list = dialog.m_ActionList;
    TempDataFolder folder;
    folder.Bind(list);
    FillRows(list, 5);

    // No, with the box ticked: nothing deleted, nothing written.
    list.SelectItem(2, FALSE);
    list.SelectItem(3, FALSE);
    {
        BoxAnswerer answer(IDNO, true);
        list.DeleteSelected();
        EXPECT_TRUE(answer.Answered());
        EXPECT_EQ(answer.Text(), "Are you sure you want to delete selected robot actions?");
    }
    EXPECT_EQ(Column(list, 1), "abcde");
    EXPECT_EQ(GetFileAttributesA(folder.path.c_str()), INVALID_FILE_ATTRIBUTES);

    // Yes, ticked, into a data folder that does not exist yet.
    {
        BoxAnswerer answer(IDYES, true);
        list.DeleteSelected();
        EXPECT_TRUE(answer.Answered());
    }
    EXPECT_EQ(Column(list, 1), "abe");
    EXPECT_EQ(Column(list, 0), "123");
    EXPECT_EQ(Selected(list), "2");
    EXPECT_EQ(e2e::ReadWholeFile(folder.Settings()), "showcofm=0\r\n");

    // Switched off: the Delete key removes the last row without a question.
    FocusControl(dialog, list);
    PressKeys("delete");
    EXPECT_EQ(Column(list, 1), "ab");
    EXPECT_EQ(Selected(list), "1");
}

TEST(KeyEditE2e, BothModes)
{
    CControlsTestDialog dialog;
    CKeyEditCtrl& plain = dialog.m_KeyEdit;
    CKeyEditCtrl& hotkey = dialog.m_HotkeyEdit;

    // The chords pressed in turn and what the control shows after each.
    const auto expectShown = [](CKeyEditCtrl& edit, const std::vector<TextCase>& presses) {
        for (const TextCase& press : presses) {
            PressKeys(press.input);
            EXPECT_STREQ(edit.GetWindowText(), press.expected) << press.input;
        }
    };
    FocusControl(dialog, plain);
    expectShown(plain, {{"delete", "<Delete>"}, {"ctrl+f11", "<F11>"}, {"backspace", "<BackSpace>"}});

    FocusControl(dialog, hotkey);
    hotkey.SetWindowText("None");
    expectShown(hotkey, {{"delete", "None"}, {"ctrl+f11", "Ctrl + <F11>"}, {"ctrl+shift+a", "Ctrl + Shift + A"}});

    // Tab still moves on through the dialog.
    PressKeys("tab");
    EXPECT_NE(GetFocus(), hotkey.m_hWnd);
}

}  // namespace
