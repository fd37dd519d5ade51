#include "controls/BCMenu.h"

#include "tests/controls/ControlsTestDialog.h"

#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "res/ControlsResource.h"
#include "tests/controls/BCMenuTestIds.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>

namespace {

// Each test starts from the classic look on a system that is not a themed XP.
class BCMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BCMenu::SetLookInputs(BCMenu::WIN_NT, FALSE);
        BCMenu::SetRaisedIcons(TRUE);
    }
    void TearDown() override { BCMenu::SetLookInputs(BCMenu::GetWinVersion(), FALSE); }

    static MEASUREITEMSTRUCT Measure(BCMenu& menu, const BCMenuData& data)
    {
        MEASUREITEMSTRUCT item = {};
        item.CtlType = ODT_MENU;
        item.itemID = data.m_nID;
        item.itemData = reinterpret_cast<ULONG_PTR>(&data);
        menu.MeasureItem(&item);
        return item;
    }
};

const char kThemeKey[] = "Software\\Microsoft\\Plus!\\Themes\\Current";

void WriteTheme(const char* text, DWORD size)
{
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kThemeKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size);
    RegCloseKey(key);
}

TEST_F(BCMenuTest, VersionCodes)
{
    struct Case
    {
        bool win32s;
        DWORD platform, major, minor;
        int code;
    };
    const Case cases[] = {
        {false, VER_PLATFORM_WIN32_NT, 6, 1, BCMenu::WIN_NT},
        {false, VER_PLATFORM_WIN32_NT, 5, 1, BCMenu::WIN_XP},
        {false, VER_PLATFORM_WIN32_NT, 5, 0, BCMenu::WIN_2000},
        {false, VER_PLATFORM_WIN32_NT, 4, 0, BCMenu::WIN_NT4},
        {true, VER_PLATFORM_WIN32_WINDOWS, 4, 10, BCMenu::WIN_98},
        {true, VER_PLATFORM_WIN32_WINDOWS, 4, 90, BCMenu::WIN_ME},
        {true, VER_PLATFORM_WIN32_WINDOWS, 4, 0, BCMenu::WIN_95},
        {true, VER_PLATFORM_WIN32s, 3, 10, BCMenu::WIN_32S},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.code, BCMenu::WinVersionCode(c.win32s, c.platform, c.major, c.minor)) << c.major << "." << c.minor;
}

TEST_F(BCMenuTest, ClassicThemeIsReadUpToTheStoredSize)
{
    const std::string classic = "C:\\WINDOWS\\Resources\\Themes\\Windows Classic.theme";
    WriteTheme(classic.c_str(), static_cast<DWORD>(classic.size() + 1));
    EXPECT_TRUE(BCMenu::ReadClassicTheme());
    const std::string upper = "c:\\themes\\WINDOWS CLASSIC.THEME";
    WriteTheme(upper.c_str(), static_cast<DWORD>(upper.size() + 1));
    EXPECT_TRUE(BCMenu::ReadClassicTheme());
    const std::string luna = "C:\\WINDOWS\\Resources\\Themes\\Luna.theme";
    WriteTheme(luna.c_str(), static_cast<DWORD>(luna.size() + 1));
    EXPECT_FALSE(BCMenu::ReadClassicTheme());
    // Without a terminator the value ends at its size, not at the next zero in memory.
    const std::string unterminated = "Windows Classic.themeXYZ";
    WriteTheme(unterminated.c_str(), static_cast<DWORD>(unterminated.size() - 3));
    EXPECT_TRUE(BCMenu::ReadClassicTheme());
    RegDeleteKeyA(HKEY_CURRENT_USER, kThemeKey);
    EXPECT_FALSE(BCMenu::ReadClassicTheme());
}

TEST_F(BCMenuTest, LighteningMovesEachChannelTowardWhite)
{
    EXPECT_EQ(RGB(63 + 48, 127 + 32, 255), BCMenu::LightenColor(RGB(63, 127, 255), 0.25));
    EXPECT_EQ(RGB(255, 255, 255), BCMenu::LightenColor(RGB(10, 20, 30), 1.0));
    EXPECT_EQ(RGB(10, 20, 30), BCMenu::LightenColor(RGB(10, 20, 30), 0.0));
    EXPECT_EQ(RGB(10, 20, 30), BCMenu::LightenColor(RGB(10, 20, 30), 1.5));
}

TEST_F(BCMenuTest, CheckGlyphIsSevenStrokes)
{
    CDC screen;
    screen.Attach(GetDC(nullptr));
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 20, 20);
    CBitmap* old = memory.SelectObject(&bitmap);
    memory.FillSolidRect(0, 0, 20, 20, RGB(255, 255, 255));
    BCMenu::DrawCheckMark(&memory, 5, 5, RGB(0, 0, 0));
    const int tops[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; ++i) {
        for (int y = 0; y < 12; ++y) {
            const bool inStroke = y >= tops[i] && y < tops[i] + 3;
            EXPECT_EQ(inStroke ? RGB(0, 0, 0) : RGB(255, 255, 255), memory.GetPixel(5 + i, 5 + y))
                << "stroke " << i << " row " << y;
        }
    }
    memory.SelectObject(old);
    ReleaseDC(nullptr, screen.Detach());
}

TEST_F(BCMenuTest, MeasuringInBothLooks)
{
    BCMenu menu;
    menu.AppendMenu(MF_STRING, 900, "Item");
    menu.AppendMenu(MF_SEPARATOR, 0, nullptr);
    const BCMenuData& item = *menu.GetItems()[0];
    const BCMenuData& separator = *menu.GetItems()[1];
    const int menuHeight = GetSystemMetrics(SM_CYMENU);

    MEASUREITEMSTRUCT classic = Measure(menu, item);
    EXPECT_EQ(static_cast<UINT>(std::max(menuHeight, 15 + 4)), classic.itemHeight);
    EXPECT_EQ(0u, Measure(menu, separator).itemWidth);
    EXPECT_EQ(static_cast<UINT>(std::max(menuHeight / 2, (15 + 4) / 2)), Measure(menu, separator).itemHeight);

    BCMenu::SetLookInputs(BCMenu::WIN_XP, FALSE);
    MEASUREITEMSTRUCT flat = Measure(menu, item);
    const int textWidth = static_cast<int>(classic.itemWidth) - (2 * 16 + 1);
    EXPECT_EQ(static_cast<UINT>(textWidth + 16 + 7 + 8), flat.itemWidth);
    EXPECT_EQ(static_cast<UINT>(std::max(menuHeight, 15 + 7)), flat.itemHeight);
    BCMenu::SetRaisedIcons(FALSE);
    EXPECT_EQ(static_cast<UINT>(textWidth + 16 + 4 + 8), Measure(menu, item).itemWidth);
}

TEST_F(BCMenuTest, AppendedItemsAreOwnerDrawn)
{
    BCMenu menu;
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, 900, "&Open"));
    ASSERT_TRUE(menu.AppendMenu(MF_BYPOSITION | MF_CHECKED | MF_GRAYED, 0, nullptr));
    BCMenu* sub = menu.AppendPopup("&More");
    ASSERT_NE(nullptr, sub);
    EXPECT_EQ(static_cast<UINT>(MF_OWNERDRAW | MF_STRING), menu.GetItems()[0]->m_nFlags);
    EXPECT_EQ(static_cast<UINT>(MF_BYPOSITION | MF_SEPARATOR | MF_OWNERDRAW), menu.GetItems()[1]->m_nFlags);
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    ASSERT_TRUE(GetMenuItemInfoA(menu, 1, TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_SEPARATOR);
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(menu.GetItems()[1].get()), info.dwItemData);
    EXPECT_TRUE(BCMenu::IsMenu(menu));
    EXPECT_TRUE(BCMenu::IsMenu(*sub));
    EXPECT_EQ(1u, menu.GetSubMenus().size());
}

TEST_F(BCMenuTest, KeyboardShortcutsExecuteTheFirstMatch)
{
    BCMenu menu;
    menu.AppendMenu(MF_STRING, 900, "&Open");
    menu.AppendMenu(MF_STRING, 901, "Save &As");
    EXPECT_EQ(MAKELRESULT(0, MNC_EXECUTE), BCMenu::FindKeyboardShortcut('o', MF_POPUP, &menu));
    EXPECT_EQ(MAKELRESULT(1, MNC_EXECUTE), BCMenu::FindKeyboardShortcut('A', MF_POPUP, &menu));
    EXPECT_EQ(0, BCMenu::FindKeyboardShortcut('z', MF_POPUP, &menu));
    // An item put on the menu behind the object's back is found too.
    ::AppendMenuA(menu, MF_STRING, 902, "E&xit");
    EXPECT_EQ(MAKELRESULT(2, MNC_EXECUTE), BCMenu::FindKeyboardShortcut('x', MF_POPUP, &menu));
    EXPECT_EQ(3u, menu.GetItems().size());
    // One taken off behind its back loses its record.
    ::DeleteMenu(menu, 0, MF_BYPOSITION);
    EXPECT_EQ(MAKELRESULT(1, MNC_EXECUTE), BCMenu::FindKeyboardShortcut('x', MF_POPUP, &menu));
    EXPECT_EQ(2u, menu.GetItems().size());
}

TEST_F(BCMenuTest, LoadingATemplateAlignsAccelerators)
{
    BCMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_BCMENU_TEST));
    ASSERT_EQ(1u, menu.GetItems().size());
    ASSERT_EQ(1u, menu.GetSubMenus().size());
    const BCMenu& file = *menu.GetSubMenus()[0];
    ASSERT_EQ(5u, file.GetItems().size());
    EXPECT_EQ(ID_BCMENU_OPEN, file.GetItems()[0]->m_nID);
    EXPECT_TRUE(file.GetItems()[2]->m_nFlags & MF_SEPARATOR);
    ASSERT_EQ(1u, file.GetSubMenus().size());
    EXPECT_EQ(ID_BCMENU_RECENT, file.GetSubMenus()[0]->GetItems()[0]->m_nID);
    // The texts before the tab now end at the same place, give or take a blank.
    const std::wstring open = file.GetItems()[0]->m_strText;
    const std::wstring saveAs = file.GetItems()[1]->m_strText;
    EXPECT_EQ(L"&Open", open.substr(0, 5));
    EXPECT_NE(std::wstring::npos, open.find(L" \tCtrl+O"));
    EXPECT_EQ(L"Save &As...\tCtrl+Shift+S", saveAs);
}

TEST_F(BCMenuTest, DestroyingForgetsEveryHandle)
{
    auto menu = std::make_unique<BCMenu>();
    ASSERT_TRUE(menu->LoadMenu(IDM_BCMENU_TEST));
    std::vector<HMENU> handles{menu->m_hMenu, menu->GetSubMenus()[0]->m_hMenu,
                               menu->GetSubMenus()[0]->GetSubMenus()[0]->m_hMenu};
    for (HMENU handle : handles)
        EXPECT_TRUE(BCMenu::IsMenu(handle));
    // A popup appended by its handle goes with the menu too.
    HMENU raw = CreatePopupMenu();
    ASSERT_TRUE(menu->AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(raw), "Raw"));
    handles.push_back(raw);
    EXPECT_TRUE(BCMenu::IsMenu(raw));
    menu->DestroyMenu();
    for (HMENU handle : handles)
        EXPECT_FALSE(BCMenu::IsMenu(handle));
    EXPECT_TRUE(menu->GetItems().empty());
}

// A 16 x 15 icon of one colour.
HICON SolidIcon(COLORREF colour)
{
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 15);
    HBITMAP mask = CreateBitmap(16, 15, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{0, 0, 16, 15};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    SelectObject(memory, mask);
    PatBlt(memory, 0, 0, 16, 15, BLACKNESS);
    SelectObject(memory, old);
    ICONINFO info{TRUE, 0, 0, mask, bitmap};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(bitmap);
    DeleteObject(mask);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return icon;
}

// The colour channel ('r', 'g' or 'b') that clearly leads in the pixels an
// item draws where its icon goes; '?' when none or more than one does.
char DrawnIconHue(BCMenu& menu, const BCMenuData& data)
{
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 24);
    HGDIOBJ old = SelectObject(memory, bitmap);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_MENU;
    item.itemID = data.m_nID;
    item.itemAction = ODA_DRAWENTIRE;
    item.hDC = memory;
    item.rcItem = {0, 0, 200, 24};
    item.itemData = reinterpret_cast<ULONG_PTR>(&data);
    menu.DrawItem(&item);
    std::string hues;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 30; ++x) {
            const COLORREF pixel = GetPixel(memory, x, y);
            const int channels[3] = {GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
            for (int c = 0; c < 3; ++c) {
                const int a = channels[(c + 1) % 3];
                const int b = channels[(c + 2) % 3];
                if (channels[c] > 150 && a * 5 < channels[c] * 3 && b * 5 < channels[c] * 3 &&
                    hues.find("rgb"[c]) == std::string::npos)
                    hues += "rgb"[c];
            }
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return hues.size() == 1 ? hues[0] : '?';
}

TEST_F(BCMenuTest, ReplacingAnIconKeepsEveryItemOnItsOwnImage)
{
    struct Case
    {
        const char* name;
        int lookOfReplacement;  // the version code in force when the first icon is replaced
    };
    // The same look replaces the images in place; the flat look's raised
    // copies change their number.
    const Case cases[] = {{"same count", BCMenu::WIN_NT}, {"count differs", BCMenu::WIN_XP}};
    UINT command = 970;
    for (const Case& c : cases) {
        BCMenu::SetLookInputs(BCMenu::WIN_NT, FALSE);
        const UINT first = command++;
        const UINT second = command++;
        HICON red = SolidIcon(RGB(255, 0, 0));
        HICON green = SolidIcon(RGB(0, 255, 0));
        HICON blue = SolidIcon(RGB(0, 0, 255));
        ASSERT_TRUE(BCMenu().AddIcon(first, red));
        ASSERT_TRUE(BCMenu().AddIcon(second, blue));
        BCMenu menu;
        menu.AppendMenu(MF_STRING, first, "First");
        menu.AppendMenu(MF_STRING, second, "Second");
        BCMenu::SetLookInputs(c.lookOfReplacement, FALSE);
        ASSERT_TRUE(BCMenu().AddIcon(first, green));
        EXPECT_EQ('g', DrawnIconHue(menu, *menu.GetItems()[0])) << c.name;
        EXPECT_EQ('b', DrawnIconHue(menu, *menu.GetItems()[1])) << c.name;
        for (HICON icon : {red, green, blue})
            DestroyIcon(icon);
    }
}

TEST_F(BCMenuTest, IconSources)
{
    // A 16-colour bitmap is taken, a 256-colour one refused.
    EXPECT_TRUE(BCMenu().AddIcon(950, BCMenuIconSource{0, IDB_BCMENU_ICON16}));
    EXPECT_FALSE(BCMenu().AddIcon(951, BCMenuIconSource{0, IDB_BCMENU_ICON256}));
    // A toolbar gives the icon of a command on it, none for one that is not.
    EXPECT_TRUE(BCMenu().AddIcon(ID_BCMENU_SAVEAS, BCMenuIconSource{IDR_BCMENU_TOOLBAR, 0}));
    EXPECT_FALSE(BCMenu().AddIcon(952, BCMenuIconSource{IDR_BCMENU_TOOLBAR, 0}));

    // Another icon for a listed command replaces its images.
    const std::vector<UINT>& commands = BCMenu::SharedImageCommands();
    const int images = BCMenu::SharedImages().GetImageCount();
    EXPECT_TRUE(BCMenu().AddIcon(950, BCMenuIconSource{0, IDB_BCMENU_ICON16}));
    EXPECT_EQ(images, BCMenu::SharedImages().GetImageCount());
    EXPECT_EQ(1, std::count(commands.begin(), commands.end(), 950u));

    // In the flat look with raised icons an icon brings two copies.
    BCMenu::SetLookInputs(BCMenu::WIN_XP, FALSE);
    EXPECT_TRUE(BCMenu().AddIcon(953, BCMenuIconSource{0, IDB_BCMENU_ICON16}));
    EXPECT_EQ(3, std::count(commands.begin(), commands.end(), 953u));
    EXPECT_EQ(static_cast<int>(commands.size()), BCMenu::SharedImages().GetImageCount());
}

// Records the commands that reach it.
std::vector<UINT> g_commands;

LRESULT CALLBACK CommandReceiverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        g_commands.push_back(LOWORD(wParam));
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateCommandReceiver()
{
    return e2e::CreateTestWindow("BCMenuTestReceiver", CommandReceiverProc, "", 0, {0, 0, 0, 0}, HWND_MESSAGE);
}

// Presses keys once a popup menu shows, from a thread of its own while the
// button's click holds the menu loop.
std::thread PressKeysInPopup(std::vector<BYTE> keys)
{
    return std::thread([keys]() {
        for (int i = 0; i < 500 && !FindWindowA("#32768", nullptr); ++i)
            Sleep(10);
        Sleep(200);
        for (BYTE key : keys) {
            keybd_event(key, 0, 0, 0);
            keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
            Sleep(50);
        }
    });
}

TEST_F(BCMenuTest, ButtonDropDownSendsTheCommandChosenWithTheKeyboard)
{
    HWND receiver = CreateCommandReceiver();
    for (int look = 0; look < 2; ++look) {
        BCMenu::SetLookInputs(look ? BCMenu::WIN_XP : BCMenu::WIN_NT, FALSE);
        const long objects = CGdiObject::LiveCount();
        const long contexts = CDC::LiveCount();
        {
            CControlsTestDialog dialog;
            CButtonST& button = dialog.m_button;
            BCMenu* popup = button.GetMenu().AppendPopup("Robots");
            ASSERT_NE(nullptr, popup);
            popup->AppendMenu(MF_STRING, 960, "&First\tCtrl+F", BCMenuIconSource{0, IDB_BCMENU_ICON16});
            popup->AppendMenu(MF_STRING | MF_CHECKED, 961, "&Second");
            popup->AppendMenu(MF_STRING | MF_GRAYED, 962, "&Third");
            popup->AppendMenu(MF_SEPARATOR, 0, nullptr);
            popup->AppendPopup("&More")->AppendMenu(MF_STRING, 963, "Deep");
            button.SetMenuParent(receiver);
            dialog.SetForegroundWindow();
            PumpPendingMessages();
            g_commands.clear();
            std::thread keys = PressKeysInPopup({VK_DOWN, VK_DOWN, VK_RETURN});
            button.SendMessage(BM_CLICK, 0, 0);
            keys.join();
            PumpPendingMessages();
            EXPECT_EQ(std::vector<UINT>{961}, g_commands) << "look " << look;
        }
        EXPECT_EQ(objects, CGdiObject::LiveCount());
        EXPECT_EQ(contexts, CDC::LiveCount());
    }
    DestroyWindow(receiver);
}

// A solid 16 x 16 bitmap with a magenta corner, the transparent colour.
HBITMAP SolidBitmap(COLORREF colour)
{
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    HGDIOBJ old = SelectObject(memory, bitmap);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            SetPixel(memory, x, y, x < 4 && y < 4 ? RGB(255, 0, 255) : colour);
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

TEST_F(BCMenuTest, ButtonBitmapsAndCursor)
{
    CControlsTestDialog dialog;
    CButtonST& button = dialog.m_button;
    button.SetWindowText("");
    ASSERT_EQ(static_cast<DWORD>(CButtonST::BTNST_OK),
              button.SetBitmaps(SolidBitmap(RGB(255, 0, 0)), RGB(255, 0, 255), SolidBitmap(RGB(0, 0, 255)),
                                RGB(255, 0, 255)));
    CRect client;
    button.GetClientRect(&client);
    // Without a caption the image sits in the middle; at rest the second bitmap shows.
    const int x = (client.Width() - 16) / 2;
    const int y = (client.Height() - 16) / 2;
    auto pixel = [&](int dx, int dy) {
        button.RedrawWindow();
        HDC dc = GetDC(button.m_hWnd);
        const COLORREF colour = GetPixel(dc, x + dx, y + dy);
        ReleaseDC(button.m_hWnd, dc);
        return colour;
    };
    EXPECT_EQ(RGB(0, 0, 255), pixel(8, 8));
    EXPECT_NE(RGB(255, 0, 255), pixel(1, 1));
    button.EnableWindow(FALSE);
    EXPECT_NE(RGB(0, 0, 255), pixel(8, 8));
    button.EnableWindow(TRUE);

    EXPECT_EQ(static_cast<DWORD>(CButtonST::BTNST_INVALIDRESOURCE), button.SetBtnCursor(4242));
    ASSERT_EQ(static_cast<DWORD>(CButtonST::BTNST_OK), button.SetBtnCursor(IDC_LINK_CURSOR));
    button.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(button.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    HCURSOR shown = GetCursor();
    EXPECT_NE(LoadCursor(nullptr, IDC_ARROW), shown);
    EXPECT_NE(nullptr, shown);
}

}  // namespace
