// A popup menu whose items the program draws: an icon from a list shared by
// every such menu, check marks drawn as glyphs, embossed icons for disabled
// items, and two looks, a classic raised one and a flat one with an icon
// margin, chosen by the Windows version and theme.
#pragma once

#include "framework/CImageList.h"
#include "framework/CMenu.h"
#include "framework/CRect.h"

#include <memory>
#include <string>
#include <vector>

class CDC;

// One item of a BCMenu, handed to the system as the item's owner-draw data.
struct BCMenuData
{
    std::wstring m_strText;
    int m_nGlobalImage = -1;  // in the shared icon list
    UINT m_nFlags = 0;
    UINT m_nID = 0;
    BOOL m_bSynced = FALSE;  // met on the real menu by the latest synchronisation
};

// Where an item's icon comes from when it is appended.
struct BCMenuIconSource
{
    UINT m_nToolBarId = 0;  // a toolbar resource holding the command's button
    UINT m_nBitmapId = 0;   // or a 16-colour bitmap resource of icon size
};

class BCMenu : public CMenu
{
public:
    // The Windows version codes of GetWinVersion.
    enum
    {
        WIN_32S = 0,
        WIN_NT = 1,
        WIN_95 = 2,
        WIN_98 = 3,
        WIN_ME = 4,
        WIN_NT4 = 5,
        WIN_2000 = 6,
        WIN_XP = 7
    };
    enum
    {
        LOOK_CLASSIC = 0,
        LOOK_FLAT = 1
    };

    BCMenu() = default;
    ~BCMenu() override;

    BOOL LoadMenu(UINT resourceId) override;
    BOOL LoadMenu(const char* resourceName) override;
    BOOL DestroyMenu() override;
    void DrawItem(LPDRAWITEMSTRUCT item) override;
    void MeasureItem(LPMEASUREITEMSTRUCT item) override;

    // Appends an owner-drawn item (a separator for id 0, a popup for MF_POPUP
    // whose id is the submenu's handle) with its icon from the source, or the
    // icon already listed for its command.
    BOOL AppendMenu(UINT flags, UINT_PTR idOrPopup, const char* text, const BCMenuIconSource& icon = {});
    // A new popup submenu appended under the text; owned by this menu.
    BCMenu* AppendPopup(const char* text);
    // The item's icon under its command, from a toolbar or bitmap resource.
    BOOL AddIcon(UINT command, const BCMenuIconSource& source);
    BOOL AddIcon(UINT command, HICON icon);

    const std::vector<std::unique_ptr<BCMenuData>>& GetItems() const { return m_aMenuItems; }
    const std::vector<BCMenu*>& GetSubMenus() const { return m_aSubMenus; }

    // The keyboard shortcut search of WM_MENUCHAR on a popup of a BCMenu: the
    // item's position with MNC_EXECUTE, or 0 when no item has "&" + the key.
    static LRESULT FindKeyboardShortcut(UINT key, UINT flags, CMenu* popup);
    // Whether the handle is one of a BCMenu or of its submenus.
    static BOOL IsMenu(HMENU menu);

    // The version code of the running system, and the rule behind it.
    static int GetWinVersion();
    static int WinVersionCode(bool win32sBit, DWORD platform, DWORD major, DWORD minor);
    // Whether the current theme is the classic one, read once; the rule on a
    // registry value of the given size.
    static BOOL IsWindowsClassicTheme();
    static BOOL ReadClassicTheme();
    static BOOL IsClassicThemeValue(const char* value, DWORD size);
    // The inputs of the look; set at start-up, and by tests.
    static void SetLookInputs(int winVersion, BOOL classicTheme);
    static int GetMenuDrawMode();
    static BOOL IsThemedXP();
    static void SetRaisedIcons(BOOL raised) { s_bRaisedIcons = raised; }

    static COLORREF LightenColor(COLORREF color, double factor);
    // The check glyph at (x, y): seven 3-pixel vertical strokes.
    static void DrawCheckMark(CDC* dc, int x, int y, COLORREF color);
    // The image embossed over an area filled with the system colour.
    static void DrawEmbossed(CDC* dc, CImageList& images, int index, CPoint at, int fillColour);
    // The shared icon list and the command under each of its images.
    static CImageList& SharedImages();
    static const std::vector<UINT>& SharedImageCommands() { return s_aImageCommands; }
    static const std::vector<HMENU>& MenuHandles() { return s_aMenuHandles; }
    // The first image of the item's command in the shared list, -1 for none,
    // and the number of images a command has there.
    static int ImageOf(const BCMenuData& data);
    static int ImageCountOf(UINT command);
    // A bitmap resource's colour count, by the rule of its header.
    static int BitmapColourCount(const BITMAPINFOHEADER& header);

    int m_nIconX = 16;
    int m_nIconY = 15;

private:
    BOOL LoadFromTemplate(const WORD* words, size_t count);
    BOOL ParseTemplateLevel(const WORD* words, size_t count, size_t& at);
    void AlignAccelerators();
    void SyncItemsWithMenu();
    BCMenuData* AddItemRecord(const char* text, UINT flags, UINT id);
    static BOOL StoreImages(UINT command, const std::vector<HICON>& icons);
    int MenuDrawMode(CDC* dc) const;
    void DrawClassic(LPDRAWITEMSTRUCT item, const BCMenuData& data);
    void DrawFlat(LPDRAWITEMSTRUCT item, const BCMenuData& data);
    void DrawItemText(CDC* dc, const BCMenuData& data, CRect rect, COLORREF colour) const;
    int IconGap() const;

    std::vector<std::unique_ptr<BCMenuData>> m_aMenuItems;
    std::vector<BCMenu*> m_aSubMenus;
    COLORREF m_crBitmapBackground = RGB(192, 192, 192);
    BOOL m_bUseBitmapBackground = FALSE;
    int m_nCheckBitmapId = -1;
    int m_nUncheckBitmapId = -1;
    CImageList* m_pCheckMarks = nullptr;
    BOOL m_bCheckMarksInherited = FALSE;
    BOOL m_bLoadedFromTemplate = FALSE;

    static std::vector<HMENU> s_aMenuHandles;
    static std::vector<UINT> s_aImageCommands;
    static int s_nWinVersion;
    static int s_nClassicTheme;  // -1 until read
    static int s_nXpLook;
    static int s_nOtherLook;
    static BOOL s_bRaisedIcons;
    static BOOL s_bSelectDisabledClassic;
    static BOOL s_bSelectDisabledFlat;
};
