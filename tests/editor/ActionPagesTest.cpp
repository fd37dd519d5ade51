#include "editor/CInputKeyDlg.h"
#include "editor/CInputMouseDlg.h"
#include "editor/IRobotEditor.h"
#include "res/ActionPagesResource.h"
#include "tests/framework/WindowTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class RecordingEditor : public IRobotEditor
{
public:
    void AddActionLine(const CString& line) override { lines.push_back(line.GetString()); }
    void FocusActionList() override { ++focusCalls; }
    void AddRecordedWindow(const RecordedWindowInfo&) override {}
    void ClearRecordedWindows() override {}
    void ShowEditor(int) override {}

    Lines lines;
    int focusCalls = 0;
};

// One page, created as the editor creates it, in a plain top-level window.
template <class Page>
class PageTest : public ::testing::Test
{
protected:
    PageTest()
    {
        host.CreateEx(0, nullptr, "Action page test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 500, 350, nullptr,
                      nullptr);
        page.Create(Page::IDD, &host);
        page.SetOwner(&editor);
        page.ShowWindow(SW_SHOW);
    }
    ~PageTest() override
    {
        page.DestroyWindow();
        host.DestroyWindow();
    }

    HWND Item(int id) { return GetDlgItem(page, id); }
    void SetText(int id, const char* text) { SetWindowTextA(Item(id), text); }
    std::string Text(int id) { return CWnd::FromHandle(Item(id))->GetWindowText().GetString(); }
    void Select(int id, int index) { SendMessageA(Item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
    Lines Click(int id)
    {
        editor.lines.clear();
        page.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
        return editor.lines;
    }

    CWnd host;
    Page page{&host};
    RecordingEditor editor;
};

using KeyPageTest = PageTest<CInputKeyDlg>;
using MousePageTest = PageTest<CInputMouseDlg>;

TEST_F(KeyPageTest, InsertActionBuildsOneKeyLine)
{
    // Key, press option, count and the line; the first case keeps the page's defaults.
    const std::tuple<const char*, int, const char*, Lines> cases[] = {
        {"A", -1, nullptr, {"Key Press A"}},
        {"A", 1, "3", {"Key Down A, 3 times"}},
        {"<F5>", 2, "1", {"Key Up <F5>"}},
        {"A", 0, "2.9", {"Key Press A, 2 times"}},
        {"", 0, "3", {}},
    };
    for (const auto& [key, option, count, expected] : cases) {
        SetText(IDC_KEY_PAGE_KEY, key);
        if (count) {
            Select(IDC_KEY_PAGE_PRESS_OPTION, option);
            SetText(IDC_KEY_PAGE_COUNT, count);
        }
        EXPECT_EQ(Click(IDC_KEY_PAGE_INSERT_ACTION), expected) << key << " " << (count ? count : "default");
    }
}

TEST_F(KeyPageTest, CommaKeyPressedInTheBoxTwice)
{
    window_test::FocusForTyping(Item(IDC_KEY_PAGE_KEY));
    window_test::PressKey(VK_OEM_COMMA);
    EXPECT_TRUE(window_test::PumpUntil([&] { return Text(IDC_KEY_PAGE_KEY) == ","; }, 3000));
    SetText(IDC_KEY_PAGE_COUNT, "2");
    EXPECT_EQ(Click(IDC_KEY_PAGE_INSERT_ACTION), Lines{"Key Press ,, 2 times"});
}

TEST_F(KeyPageTest, InsertTextTypesLineBreaksAsEnter)
{
    const std::pair<const char*, Lines> cases[] = {
        {"hello", {"Input text hello"}},
        {"", {}},
        {"one\r\ntwo", {"Input text one{ENTER}two"}},
        {"a\rb\nc", {"Input text a{ENTER}b{ENTER}c"}},
        {"a\n\rb\r\n", {"Input text a{ENTER}{ENTER}b{ENTER}"}},
    };
    for (const auto& [text, expected] : cases) {
        SetText(IDC_KEY_PAGE_TEXT, text);
        EXPECT_EQ(Click(IDC_KEY_PAGE_INSERT_TEXT), expected) << text;
        EXPECT_EQ(Text(IDC_KEY_PAGE_TEXT), text);
    }
}

TEST_F(MousePageTest, AddClickBuildsMoveClickAndWaitLines)
{
    // Click type, interval, unit, click line and wait line; the first case keeps the page's defaults.
    const std::tuple<int, const char*, int, const char*, const char*> cases[] = {
        {-1, nullptr, -1, "Mouse Left Click", "Wait 2 seconds"},
        {1, "150", 0, "Mouse Right Click", "Wait 150 milliseconds"},
        {2, "2.9", 1, "Mouse Double Click", "Wait 2 seconds"},
        {3, "2", 2, "Mouse Left Down", "Wait 2 minutes"},
        {4, "1", 1, "Mouse Left Up", "Wait 1 seconds"},
    };
    SetText(IDC_MOUSE_PAGE_X, "120");
    SetText(IDC_MOUSE_PAGE_Y, "45");
    for (const auto& [type, interval, unit, click, wait] : cases) {
        if (interval) {
            Select(IDC_MOUSE_PAGE_CLICK_TYPE, type);
            SetText(IDC_MOUSE_PAGE_INTERVAL, interval);
            Select(IDC_MOUSE_PAGE_INTERVAL_UNIT, unit);
        }
        EXPECT_EQ(Click(IDC_MOUSE_PAGE_ADD_CLICK), (Lines{"Mouse move to 120, 45", click, wait})) << type;
    }
    EXPECT_EQ(editor.focusCalls, 5);
}

TEST_F(MousePageTest, EmptiedPointBoxReadsAsZero)
{
    SetText(IDC_MOUSE_PAGE_X, "");
    SetText(IDC_MOUSE_PAGE_Y, "45");
    EXPECT_EQ(Click(IDC_MOUSE_PAGE_ADD_CLICK).front(), "Mouse move to 0, 45");
    EXPECT_EQ(Text(IDC_MOUSE_PAGE_X), "0");
}

TEST_F(MousePageTest, ClickWhereverTheMouseIsLeavesOutTheMove)
{
    CheckDlgButton(page, IDC_MOUSE_PAGE_WHEREVER, BST_CHECKED);
    Click(IDC_MOUSE_PAGE_WHEREVER);
    for (int id : {IDC_MOUSE_PAGE_X, IDC_MOUSE_PAGE_Y, IDC_MOUSE_PAGE_HINT})
        EXPECT_FALSE(IsWindowVisible(Item(id))) << id;
    EXPECT_TRUE(IsWindowVisible(Item(IDC_MOUSE_PAGE_LIVE_X)));
    EXPECT_EQ(Click(IDC_MOUSE_PAGE_ADD_CLICK), (Lines{"Mouse Left Click", "Wait 2 seconds"}));
    CheckDlgButton(page, IDC_MOUSE_PAGE_WHEREVER, BST_UNCHECKED);
    Click(IDC_MOUSE_PAGE_WHEREVER);
    EXPECT_TRUE(IsWindowVisible(Item(IDC_MOUSE_PAGE_HINT)));
}

TEST_F(MousePageTest, KeyTakesTheCursorPositionOnceATickHasReadIt)
{
    SetText(IDC_MOUSE_PAGE_X, "7");
    SetText(IDC_MOUSE_PAGE_Y, "8");
    MSG key = {Item(IDC_MOUSE_PAGE_X), WM_KEYDOWN, VK_SHIFT, 0, 0, {0, 0}};
    page.PreTranslateMessage(&key);
    EXPECT_EQ(Text(IDC_MOUSE_PAGE_X) + "," + Text(IDC_MOUSE_PAGE_Y), "7,8");

    SetCursorPos(321, 234);
    EXPECT_TRUE(window_test::PumpUntil([&] { return Text(IDC_MOUSE_PAGE_LIVE_Y) == "234"; }, 3000));
    PostMessageA(Item(IDC_MOUSE_PAGE_X), WM_KEYDOWN, VK_SHIFT, 0);
    window_test::PumpFor(50);
    EXPECT_EQ(Text(IDC_MOUSE_PAGE_X) + "," + Text(IDC_MOUSE_PAGE_Y), "321,234");
}

}  // namespace
