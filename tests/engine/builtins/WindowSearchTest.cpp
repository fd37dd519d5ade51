// The window search, control search and status-bar read against tapwin.exe
// windows in another process.
#include "engine/builtins/MouseMotion.h"
#include "engine/builtins/StatusBarText.h"
#include "engine/builtins/WindowSearch.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

const char kTitle[] = "Untitled - Searchpad";

class WindowSearchTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        e2e::StartProgram("tapwin.exe", std::string("--title \"") + kTitle + "\" --pos 60,60");
        s_window = e2e::WaitForWindow(kTitle, 30000);
    }
    static void TearDownTestSuite() { e2e::EndStartedProcesses(); }
    void SetUp() override { ASSERT_NE(nullptr, s_window); }

    bool Find(const char* title, const char* text, int mode)
    {
        m_options.m_nTitleMatchMode = mode;
        m_search.SetWindowSearch(title, text);
        return m_search.FindSearchedWindow(m_options);
    }

    static HWND s_window;
    CWindowSearch m_search;
    WindowSearchOptions m_options;
};

HWND WindowSearchTest::s_window = nullptr;

TEST_F(WindowSearchTest, TitleMatchModes)
{
    EXPECT_TRUE(Find("Untitled", "", 1));
    EXPECT_EQ(s_window, m_search.FoundWindow());
    EXPECT_FALSE(Find("untitled", "", 1));
    EXPECT_FALSE(Find("Searchpad", "", 1));
    EXPECT_TRUE(Find("Searchpad", "", 2));
    EXPECT_EQ(s_window, m_search.FoundWindow());
    EXPECT_FALSE(Find("Untitled", "", 3));
    EXPECT_TRUE(Find(kTitle, "", 3));
    EXPECT_TRUE(Find("Untitled", "", 4));
}

TEST_F(WindowSearchTest, SpecialTitlesOfModeFour)
{
    EXPECT_TRUE(Find("classname=TapWinClass", "", 4));
    EXPECT_TRUE(Find("CLASSNAME=TapWinClass", "", 4));
    EXPECT_FALSE(Find("classname=tapwinclass", "", 4));
    std::string handle = "handle=" + FormatWindowHandle(s_window);
    EXPECT_TRUE(Find(handle.c_str(), "", 4));
    EXPECT_EQ(s_window, m_search.FoundWindow());
    for (char& c : handle)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(Find(handle.c_str(), "", 4));
    EXPECT_TRUE(Find("last", "", 4));
    EXPECT_EQ(s_window, m_search.FoundWindow());
    EXPECT_TRUE(Find("", "", 4));
    EXPECT_EQ(s_window, m_search.FoundWindow());
    EXPECT_TRUE(Find("ACTIVE", "", 4));
    EXPECT_EQ(GetForegroundWindow(), m_search.FoundWindow());
}

TEST_F(WindowSearchTest, FailedSearchLeavesNoFoundWindow)
{
    ASSERT_TRUE(Find(kTitle, "", 1));
    EXPECT_FALSE(Find("No Such Window At All", "", 1));
    EXPECT_EQ(nullptr, m_search.FoundWindow());
    EXPECT_FALSE(Find("last", "", 4));
}

TEST_F(WindowSearchTest, EmptyTitleAndTextIsTheForegroundWindow)
{
    EXPECT_TRUE(Find("", "", 1));
    EXPECT_EQ(GetForegroundWindow(), m_search.FoundWindow());
}

TEST_F(WindowSearchTest, TextOfVisibleChildren)
{
    EXPECT_TRUE(Find("Untitled", "static text", 1));
    EXPECT_TRUE(Find("Untitled", "second line", 1));
    EXPECT_FALSE(Find("Untitled", "Static Text", 1));
    EXPECT_FALSE(Find("Untitled", "Untitled", 1));
    HWND edit = GetDlgItem(s_window, 101);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("hidden words"));
    ShowWindow(edit, SW_HIDE);
    EXPECT_FALSE(Find("Untitled", "hidden words", 1));
    m_options.m_bDetectHiddenText = true;
    EXPECT_TRUE(Find("Untitled", "hidden words", 1));
    ShowWindow(edit, SW_SHOW);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
}

TEST_F(WindowSearchTest, ControlsByClassAndInstanceNumber)
{
    ASSERT_TRUE(m_search.FindSearchedControl(kTitle, "", "Edit1", m_options));
    EXPECT_EQ(GetDlgItem(s_window, 101), m_search.FoundControl());
    ASSERT_TRUE(m_search.FindSearchedControl(kTitle, "", "Button2", m_options));
    EXPECT_EQ(GetDlgItem(s_window, 108), m_search.FoundControl());
    ASSERT_TRUE(m_search.FindSearchedControl(kTitle, "", "", m_options));
    EXPECT_EQ(s_window, m_search.FoundControl());
    EXPECT_FALSE(m_search.FindSearchedControl(kTitle, "", "Button9", m_options));
    EXPECT_FALSE(m_search.FindSearchedControl("No Such Window", "", "Edit1", m_options));
}

TEST_F(WindowSearchTest, FocusedControlName)
{
    ASSERT_TRUE(SetForegroundWindow(s_window));
    e2e::LeftClickAt(e2e::ClientToScreenPoint(s_window, 30, 230));
    std::string name;
    for (int i = 0; i < 100 && name != "Edit2"; ++i) {
        Sleep(50);
        m_search.GetFocusedControlName(s_window, name);
    }
    EXPECT_EQ("Edit2", name);
}

TEST_F(WindowSearchTest, StatusBarParts)
{
    HWND bar = GetDlgItem(s_window, 105);
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(2, StatusBarPartCount(bar));
    std::string text;
    ASSERT_TRUE(ReadStatusBarPart(bar, 1, text));
    EXPECT_EQ("Part two", text);
    std::string longText(6000, 'x');
    SendMessageA(s_window, WM_APP + 2, longText.size(), 0);
    ASSERT_TRUE(ReadStatusBarPart(bar, 0, text));
    EXPECT_EQ(longText, text);
}

TEST(MouseMotionTest, NormalisationNeverOverflows)
{
    EXPECT_EQ(1, NormaliseCoordinate(0, 1280));
    EXPECT_EQ(65536, NormaliseCoordinate(1279, 1280));
    EXPECT_EQ(100000LL * 65535 / 1279 + 1, NormaliseCoordinate(100000, 1280));
    EXPECT_EQ(-100000LL * 65535 / 1279 + 1, NormaliseCoordinate(-100000, 1280));
    EXPECT_EQ(1, NormaliseCoordinate(0, 1));
}

}  // namespace
