// Message maps on plain windows: lookup from the derived class to the base, commands by
// range, notifications with custom codes, the handle map and the window's last message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/CWnd.h"

namespace {

class BaseWindow : public CWnd
{
public:
    std::vector<std::string> log;
    bool* ncDestroyed = nullptr;

protected:
    void OnTimer(UINT_PTR) { log.push_back("base:timer"); }
    LRESULT OnPing(WPARAM wParam, LPARAM)
    {
        log.push_back("base:ping");
        return static_cast<LRESULT>(wParam) + 1;
    }
    void OnRange(UINT id) { log.push_back("base:range " + std::to_string(id)); }
    void OnLabelClick(NMHDR* header, LRESULT* result)
    {
        log.push_back("base:label " + std::to_string(header->idFrom));
        *result = 5;
    }
    void PostNcDestroy() override
    {
        if (ncDestroyed)
            *ncDestroyed = true;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWindow, CWnd)
    ON_WM_TIMER()
    ON_MESSAGE(WM_USER + 5, OnPing)
    ON_COMMAND_RANGE(100, 110, OnRange)
    ON_NOTIFY(0x8200, 77, OnLabelClick)
END_MESSAGE_MAP()

class DerivedWindow : public BaseWindow
{
protected:
    void OnTimer(UINT_PTR id) { log.push_back("derived:timer " + std::to_string(id)); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWindow, BaseWindow)
    ON_WM_TIMER()
END_MESSAGE_MAP()

HWND CreatePopup(CWnd& window)
{
    EXPECT_TRUE(window.CreateEx(0, nullptr, "map test", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    return window.m_hWnd;
}

}  // namespace

TEST(MessageMap, DerivedHandlerWinsOverTheBase)
{
    DerivedWindow window;
    HWND hwnd = CreatePopup(window);
    ::SendMessageA(hwnd, WM_TIMER, 3, 0);
    EXPECT_EQ(window.log, std::vector<std::string>({"derived:timer 3"}));
}

TEST(MessageMap, BaseEntriesServeTheDerivedClass)
{
    DerivedWindow window;
    HWND hwnd = CreatePopup(window);
    EXPECT_EQ(::SendMessageA(hwnd, WM_USER + 5, 41, 0), 42);
    ::SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(105, 0), 0);
    ::SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(111, 0), 0);
    EXPECT_EQ(window.log, std::vector<std::string>({"base:ping", "base:range 105"}));
}

TEST(MessageMap, CustomNotificationCodeReachesItsHandler)
{
    BaseWindow window;
    HWND hwnd = CreatePopup(window);
    NMHDR header{nullptr, 77, 0x8200};
    EXPECT_EQ(::SendMessageA(hwnd, WM_NOTIFY, 77, reinterpret_cast<LPARAM>(&header)), 5);
    header.idFrom = 78;
    ::SendMessageA(hwnd, WM_NOTIFY, 78, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(window.log, std::vector<std::string>({"base:label 77"}));
}

TEST(MessageMap, UnmappedMessagesGetDefaultProcessing)
{
    DerivedWindow window;
    HWND hwnd = CreatePopup(window);
    char text[32] = {};
    ::SendMessageA(hwnd, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "map test");
    EXPECT_TRUE(window.log.empty());
}

TEST(WindowObjects, HandleMapFollowsTheWindowsLife)
{
    bool ncDestroyed = false;
    DerivedWindow window;
    window.ncDestroyed = &ncDestroyed;
    HWND hwnd = CreatePopup(window);
    EXPECT_EQ(CWnd::FromHandle(hwnd), &window);
    EXPECT_TRUE(window.DestroyWindow());
    EXPECT_TRUE(ncDestroyed);
    EXPECT_EQ(window.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

TEST(WindowObjects, ForeignWindowsGetTemporaryWrappersFreedAtIdle)
{
    AfxFreeTemporaryObjects();
    HWND desktop = ::GetDesktopWindow();
    CWnd* wrapper = CWnd::FromHandle(desktop);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->m_hWnd, desktop);
    EXPECT_EQ(CWnd::FromHandle(desktop), wrapper);
    EXPECT_EQ(CWnd::FromHandlePermanent(desktop), nullptr);
    EXPECT_EQ(AfxTemporaryObjectCount(), 1u);
    AfxFreeTemporaryObjects();
    EXPECT_EQ(AfxTemporaryObjectCount(), 0u);
    EXPECT_TRUE(::IsWindow(desktop));
}

TEST(WindowObjects, ModifyStyleChangesOnlyTheGivenBits)
{
    CWnd window;
    CreatePopup(window);
    EXPECT_TRUE(window.ModifyStyle(0, WS_BORDER, SWP_FRAMECHANGED));
    EXPECT_TRUE(window.GetStyle() & WS_BORDER);
    EXPECT_TRUE(window.GetStyle() & WS_POPUP);
    EXPECT_FALSE(window.ModifyStyle(0, WS_BORDER));
    EXPECT_TRUE(window.ModifyStyleEx(0, WS_EX_TOOLWINDOW));
    EXPECT_TRUE(window.GetExStyle() & WS_EX_TOOLWINDOW);
}

namespace {

WNDPROC g_belowOuterProc = nullptr;

// A procedure installed over ours by someone else, as a tooltip does to the tools it tracks.
LRESULT CALLBACK OuterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::CallWindowProcA(g_belowOuterProc, hwnd, message, wParam, lParam);
}

class CheckCountingWindow : public CWnd
{
public:
    int checkQueries = 0;

protected:
    LRESULT OnGetCheck(WPARAM, LPARAM)
    {
        ++checkQueries;
        return Default();
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CheckCountingWindow, CWnd)
    ON_MESSAGE(BM_GETCHECK, OnGetCheck)
END_MESSAGE_MAP()

}  // namespace

TEST(WindowObjects, UnsubclassingUnderAnotherSubclassKeepsTheOriginalProcedure)
{
    HWND box = ::CreateWindowExA(0, "BUTTON", "box", WS_POPUP | BS_AUTOCHECKBOX, 0, 0, 80, 20, nullptr, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(box, nullptr);
    {
        CWnd first;
        ASSERT_TRUE(first.SubclassWindow(box));
        g_belowOuterProc =
            reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OuterProc)));
    }
    // The button's own procedure still answers.
    ::SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(::SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);

    // Bound again, the object sees each message once and the button still answers.
    CheckCountingWindow second;
    ASSERT_TRUE(second.SubclassWindow(box));
    EXPECT_EQ(::SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(second.checkQueries, 1);
    EXPECT_TRUE(second.DestroyWindow());
    EXPECT_EQ(second.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(box), nullptr);
}
