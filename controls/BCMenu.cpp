#include "controls/BCMenu.h"
#include "controls/BCMenuFont.h"

#include "framework/AfxResource.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CToolBarResource.h"
#include "framework/CWinApp.h"
#include "framework/WideText.h"

#include <algorithm>
#include <cwctype>
#include <functional>

std::vector<HMENU> BCMenu::s_aMenuHandles;
std::vector<UINT> BCMenu::s_aImageCommands;
int BCMenu::s_nWinVersion = BCMenu::GetWinVersion();
int BCMenu::s_nClassicTheme = -1;
int BCMenu::s_nXpLook = BCMenu::LOOK_FLAT;
int BCMenu::s_nOtherLook = BCMenu::LOOK_CLASSIC;
BOOL BCMenu::s_bRaisedIcons = TRUE;
BOOL BCMenu::s_bSelectDisabledClassic = TRUE;
BOOL BCMenu::s_bSelectDisabledFlat = FALSE;

namespace {

const wchar_t kAcceleratorSeparator = L'\t';
const UINT kTemplatePopup = MF_POPUP;
const UINT kTemplateEnd = MF_END;

// Finds a resource in the current resource module, else in the program's own.
HRSRC FindResourceOfProgram(const char* name, const char* type, HINSTANCE& module)
{
    module = AfxGetResourceHandle();
    HRSRC found = ::FindResourceA(module, name, type);
    if (!found) {
        module = ::GetModuleHandleA(nullptr);
        found = ::FindResourceA(module, name, type);
    }
    return found;
}

// A copy of the icon with every pixel that differs from the background
// recoloured; null when it cannot be made.
HICON RecolouredCopy(HICON icon, COLORREF background, const std::function<COLORREF(COLORREF)>& recolour)
{
    ICONINFO info = {};
    if (!::GetIconInfo(icon, &info))
        return nullptr;
    BITMAP bitmap = {};
    ::GetObjectA(info.hbmColor, sizeof(bitmap), &bitmap);
    HDC screen = ::GetDC(nullptr);
    HDC work = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(work, info.hbmColor);
    for (int y = 0; y < bitmap.bmHeight; ++y) {
        for (int x = 0; x < bitmap.bmWidth; ++x) {
            const COLORREF pixel = ::GetPixel(work, x, y);
            if (pixel != background)
                ::SetPixel(work, x, y, recolour(pixel));
        }
    }
    ::SelectObject(work, old);
    ::DeleteDC(work);
    ::ReleaseDC(nullptr, screen);
    HICON copy = ::CreateIconIndirect(&info);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return copy;
}

void ForgetMenuHandle(std::vector<HMENU>& handles, HMENU menu)
{
    handles.erase(std::remove(handles.begin(), handles.end(), menu), handles.end());
}

}  // namespace

BCMenu::~BCMenu()
{
    DestroyMenu();
}

int BCMenu::WinVersionCode(bool win32sBit, DWORD platform, DWORD major, DWORD minor)
{
    if (win32sBit && major < 4)
        return WIN_32S;
    if (platform == VER_PLATFORM_WIN32_NT) {
        if (major == 4)
            return WIN_NT4;
        if (major == 5)
            return minor == 0 ? WIN_2000 : (minor == 1 ? WIN_XP : WIN_NT);
        return WIN_NT;
    }
    if (major == 4 && minor == 10)
        return WIN_98;
    if (major == 4 && minor == 90)
        return WIN_ME;
    return WIN_95;
}

int BCMenu::GetWinVersion()
{
    const DWORD version = ::GetVersion();
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!::GetVersionExA(&info))
        return (version & 0x80000000) ? WIN_95 : WIN_NT;
    return WinVersionCode((version & 0x80000000) != 0, info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}

BOOL BCMenu::IsClassicThemeValue(const char* value, DWORD size)
{
    // The registry gives no terminator for certain: the text ends at its size
    // or at its first zero, whichever comes first.
    std::string text(value, std::find(value, value + size, '\0'));
    const std::string suffix = "windows classic.theme";
    if (text.size() < suffix.size())
        return FALSE;
    std::string tail = text.substr(text.size() - suffix.size());
    std::transform(tail.begin(), tail.end(), tail.begin(), [](char c) { return static_cast<char>(::tolower(c)); });
    return tail == suffix;
}

BOOL BCMenu::ReadClassicTheme()
{
    BOOL classic = FALSE;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Plus!\\Themes\\Current", 0, KEY_READ, &key) ==
        ERROR_SUCCESS) {
        char value[MAX_PATH] = {};
        DWORD size = sizeof(value);
        if (::RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS)
            classic = IsClassicThemeValue(value, std::min<DWORD>(size, sizeof(value)));
        ::RegCloseKey(key);
    }
    return classic;
}

BOOL BCMenu::IsWindowsClassicTheme()
{
    if (s_nClassicTheme < 0)
        s_nClassicTheme = ReadClassicTheme();
    return s_nClassicTheme;
}

void BCMenu::SetLookInputs(int winVersion, BOOL classicTheme)
{
    s_nWinVersion = winVersion;
    s_nClassicTheme = classicTheme ? 1 : 0;
}

BOOL BCMenu::IsThemedXP()
{
    return s_nWinVersion == WIN_XP && !IsWindowsClassicTheme();
}

int BCMenu::GetMenuDrawMode()
{
    return IsThemedXP() ? s_nXpLook : s_nOtherLook;
}

int BCMenu::MenuDrawMode(CDC* dc) const
{
    const BOOL palette = dc && (dc->GetDeviceCaps(RASTERCAPS) & RC_PALETTE);
    return GetMenuDrawMode() == LOOK_FLAT && !palette ? LOOK_FLAT : LOOK_CLASSIC;
}

int BCMenu::IconGap() const
{
    return GetMenuDrawMode() == LOOK_FLAT && s_bRaisedIcons ? 7 : 4;
}

BOOL BCMenu::IsMenu(HMENU menu)
{
    return std::find(s_aMenuHandles.begin(), s_aMenuHandles.end(), menu) != s_aMenuHandles.end();
}

CImageList& BCMenu::SharedImages()
{
    static CImageList images;
    if (!images.GetSafeHandle())
        images.Create(16, 15, ILC_COLORDDB | ILC_MASK, 1, 1);
    return images;
}

int BCMenu::BitmapColourCount(const BITMAPINFOHEADER& header)
{
    if (header.biClrUsed)
        return static_cast<int>(header.biClrUsed);
    switch (header.biBitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

BOOL BCMenu::AddIcon(UINT command, HICON icon)
{
    std::vector<HICON> made{icon};
    // Raised icons of the flat look keep a faded and a shadow copy beside each icon.
    if (s_bRaisedIcons && GetMenuDrawMode() == LOOK_FLAT) {
        const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
        const COLORREF shadow =
            IsThemedXP() ? ::GetSysColor(COLOR_BTNSHADOW) : LightenColor(::GetSysColor(COLOR_BTNSHADOW), 0.49);
        HICON faded = RecolouredCopy(icon, face, [](COLORREF pixel) { return LightenColor(pixel, 0.3); });
        HICON shadowed = RecolouredCopy(icon, face, [shadow](COLORREF) { return shadow; });
        if (!faded || !shadowed) {
            if (faded)
                ::DestroyIcon(faded);
            if (shadowed)
                ::DestroyIcon(shadowed);
            return FALSE;
        }
        made.push_back(faded);
        made.push_back(shadowed);
    }
    const BOOL stored = StoreImages(command, made);
    for (size_t i = 1; i < made.size(); ++i)
        ::DestroyIcon(made[i]);
    return stored;
}

BOOL BCMenu::StoreImages(UINT command, const std::vector<HICON>& icons)
{
    CImageList& images = SharedImages();
    const auto listed = std::find(s_aImageCommands.begin(), s_aImageCommands.end(), command);
    const int first = static_cast<int>(listed - s_aImageCommands.begin());
    const int count = ImageCountOf(command);
    // As many images as before replace them in place, so that every item,
    // of this command or another, keeps the index it was appended with.
    if (count == static_cast<int>(icons.size())) {
        BOOL replaced = TRUE;
        for (int i = 0; i < count; ++i) {
            if (!images.Replace(first + i, icons[static_cast<size_t>(i)]))
                replaced = FALSE;
        }
        return replaced;
    }
    // Otherwise the command's images move to the end; items then find them by
    // command when drawn (ImageOf).
    for (int i = 0; i < count; ++i)
        images.Remove(first);
    s_aImageCommands.erase(listed, listed + count);
    BOOL added = TRUE;
    for (HICON image : icons) {
        if (images.Add(image) < 0)
            added = FALSE;
        else
            s_aImageCommands.push_back(command);
    }
    return added;
}

int BCMenu::ImageCountOf(UINT command)
{
    return static_cast<int>(std::count(s_aImageCommands.begin(), s_aImageCommands.end(), command));
}

int BCMenu::ImageOf(const BCMenuData& data)
{
    if (data.m_nGlobalImage < 0)
        return -1;
    const auto at = static_cast<size_t>(data.m_nGlobalImage);
    const bool current = at < s_aImageCommands.size() && s_aImageCommands[at] == data.m_nID &&
                         (at == 0 || s_aImageCommands[at - 1] != data.m_nID);
    if (current)
        return data.m_nGlobalImage;
    const auto listed = std::find(s_aImageCommands.begin(), s_aImageCommands.end(), data.m_nID);
    return listed == s_aImageCommands.end() ? -1 : static_cast<int>(listed - s_aImageCommands.begin());
}

BOOL BCMenu::AddIcon(UINT command, const BCMenuIconSource& source)
{
    HICON icon = nullptr;
    if (source.m_nToolBarId) {
        CToolBarResource toolbar;
        if (!toolbar.Load(AfxGetResourceHandle(), source.m_nToolBarId) ||
            !toolbar.CreateHiddenToolBar(MenuOwnerWindow()))
            return FALSE;
        const int image = toolbar.ImageOfCommand(command);
        if (image < 0)
            return FALSE;
        HBITMAP strip = toolbar.LoadStrip();
        CImageList tiles;
        if (strip && tiles.Create(toolbar.m_nWidth, toolbar.m_nHeight, ILC_COLORDDB | ILC_MASK, 1, 1))
            tiles.Add(strip, m_crBitmapBackground);
        if (strip)
            ::DeleteObject(strip);
        icon = tiles.ExtractIcon(image);
    } else if (source.m_nBitmapId) {
        HINSTANCE module = nullptr;
        HRSRC found = FindResourceOfProgram(MAKEINTRESOURCEA(source.m_nBitmapId), RT_BITMAP, module);
        HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
        const auto* header = loaded ? static_cast<const BITMAPINFOHEADER*>(::LockResource(loaded)) : nullptr;
        if (!header || BitmapColourCount(*header) != 16)
            return FALSE;
        HBITMAP bitmap = AfxLoadSysColorBitmap(module, found);
        CImageList tile;
        if (bitmap && tile.Create(m_nIconX, m_nIconY, ILC_COLORDDB | ILC_MASK, 1, 1))
            tile.Add(bitmap, m_crBitmapBackground);
        if (bitmap)
            ::DeleteObject(bitmap);
        icon = tile.ExtractIcon(0);
    }
    if (!icon)
        return FALSE;
    const BOOL added = AddIcon(command, icon);
    ::DestroyIcon(icon);
    return added;
}

BCMenuData* BCMenu::AddItemRecord(const char* text, UINT flags, UINT id)
{
    auto data = std::make_unique<BCMenuData>();
    data->m_strText = Widened(text);
    data->m_nFlags = flags;
    data->m_nID = id;
    auto listed = std::find(s_aImageCommands.begin(), s_aImageCommands.end(), id);
    if (id && listed != s_aImageCommands.end())
        data->m_nGlobalImage = static_cast<int>(listed - s_aImageCommands.begin());
    m_aMenuItems.push_back(std::move(data));
    return m_aMenuItems.back().get();
}

BOOL BCMenu::AppendMenu(UINT flags, UINT_PTR idOrPopup, const char* text, const BCMenuIconSource& icon)
{
    if (!m_hMenu) {
        if (!CreatePopupMenu())
            return FALSE;
        s_aMenuHandles.push_back(m_hMenu);
    }
    if (!(flags & MF_POPUP) && idOrPopup == 0)
        flags = (flags & MF_BYPOSITION) | MF_SEPARATOR;
    if (flags & MF_POPUP)
        s_aMenuHandles.push_back(reinterpret_cast<HMENU>(idOrPopup));
    flags |= MF_OWNERDRAW;
    const UINT command = (flags & MF_POPUP) ? 0 : static_cast<UINT>(idOrPopup);
    if (command && (icon.m_nToolBarId || icon.m_nBitmapId))
        AddIcon(command, icon);
    BCMenuData* data = AddItemRecord(text, flags, command);
    return ::AppendMenuA(m_hMenu, flags, idOrPopup, reinterpret_cast<const char*>(data));
}

BCMenu* BCMenu::AppendPopup(const char* text)
{
    if (!m_hMenu) {
        if (!CreatePopupMenu())
            return nullptr;
        s_aMenuHandles.push_back(m_hMenu);
    }
    auto* sub = new BCMenu;
    if (!sub->CreatePopupMenu()) {
        delete sub;
        return nullptr;
    }
    sub->m_nCheckBitmapId = m_nCheckBitmapId;
    sub->m_nUncheckBitmapId = m_nUncheckBitmapId;
    sub->m_pCheckMarks = m_pCheckMarks;
    sub->m_bCheckMarksInherited = TRUE;
    m_aSubMenus.push_back(sub);
    AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub->m_hMenu), text);
    return sub;
}

BOOL BCMenu::LoadMenu(UINT resourceId)
{
    return LoadMenu(MAKEINTRESOURCEA(resourceId));
}

BOOL BCMenu::LoadMenu(const char* resourceName)
{
    HINSTANCE module = nullptr;
    HRSRC found = FindResourceOfProgram(resourceName, RT_MENU, module);
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const auto* words = loaded ? static_cast<const WORD*>(::LockResource(loaded)) : nullptr;
    if (!words)
        return FALSE;
    DestroyMenu();
    if (!CreatePopupMenu())
        return FALSE;
    s_aMenuHandles.push_back(m_hMenu);
    m_bLoadedFromTemplate = TRUE;
    return LoadFromTemplate(words, ::SizeofResource(module, found) / sizeof(WORD));
}

BOOL BCMenu::LoadFromTemplate(const WORD* words, size_t count)
{
    // The header's second word is the offset of the items in bytes after it.
    if (count < 2)
        return FALSE;
    size_t at = 2 + words[1] / sizeof(WORD);
    if (!ParseTemplateLevel(words, count, at))
        return FALSE;
    AlignAccelerators();
    return TRUE;
}

BOOL BCMenu::ParseTemplateLevel(const WORD* words, size_t count, size_t& at)
{
    for (;;) {
        if (at >= count)
            return FALSE;
        const UINT flags = words[at++];
        UINT id = 0;
        if (!(flags & kTemplatePopup)) {
            if (at >= count)
                return FALSE;
            id = words[at++];
        }
        std::wstring text;
        while (at < count && words[at])
            text += static_cast<wchar_t>(words[at++]);
        if (at++ >= count)
            return FALSE;
        if (flags & kTemplatePopup) {
            BCMenu* sub = AppendPopup(Narrowed(text.c_str()).c_str());
            if (!sub || !sub->ParseTemplateLevel(words, count, at))
                return FALSE;
            sub->AlignAccelerators();
        } else {
            AppendMenu(flags & ~kTemplateEnd, id, Narrowed(text.c_str()).c_str());
        }
        if (flags & kTemplateEnd)
            return TRUE;
    }
}

void BCMenu::AlignAccelerators()
{
    HWND owner = MenuOwnerWindow();
    HDC dc = ::GetDC(owner);
    auto font = std::make_unique<CMenuFontSelection>(dc);
    int widest = 0;
    for (const auto& data : m_aMenuItems) {
        const size_t tab = data->m_strText.rfind(kAcceleratorSeparator);
        if (tab != std::wstring::npos)
            widest = std::max(widest, MenuTextWidth(dc, data->m_strText.substr(0, tab)));
    }
    for (const auto& data : m_aMenuItems) {
        const size_t tab = data->m_strText.rfind(kAcceleratorSeparator);
        if (tab == std::wstring::npos)
            continue;
        std::wstring before = data->m_strText.substr(0, tab);
        int width = MenuTextWidth(dc, before);
        while (width < widest) {
            before += L' ';
            const int wider = MenuTextWidth(dc, before);
            if (wider <= width)
                break;
            width = wider;
        }
        data->m_strText = before + data->m_strText.substr(tab);
    }
    font.reset();
    ::ReleaseDC(owner, dc);
}

void BCMenu::SyncItemsWithMenu()
{
    for (const auto& data : m_aMenuItems)
        data->m_bSynced = FALSE;
    bool everyItemRead = true;
    const int count = GetMenuItemCount();
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA | MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        if (!::GetMenuItemInfoA(m_hMenu, static_cast<UINT>(position), TRUE, &info)) {
            everyItemRead = false;
            continue;
        }
        const auto* known = reinterpret_cast<const BCMenuData*>(info.dwItemData);
        const auto ours =
            std::find_if(m_aMenuItems.begin(), m_aMenuItems.end(),
                         [known](const std::unique_ptr<BCMenuData>& data) { return data.get() == known; });
        if (ours != m_aMenuItems.end()) {
            (*ours)->m_bSynced = TRUE;
            continue;
        }
        // An item put on the menu past this object gets its record now.
        CString text;
        GetMenuString(static_cast<UINT>(position), text, MF_BYPOSITION);
        const UINT flags = (info.fType & MFT_SEPARATOR) ? MF_SEPARATOR : (info.hSubMenu ? MF_POPUP : MF_STRING);
        const UINT_PTR id = info.hSubMenu ? reinterpret_cast<UINT_PTR>(info.hSubMenu) : info.wID;
        BCMenuData* data = AddItemRecord(text, flags, info.hSubMenu ? 0 : info.wID);
        data->m_bSynced = TRUE;
        ::ModifyMenuA(m_hMenu, static_cast<UINT>(position), MF_BYPOSITION | MF_OWNERDRAW | flags, id,
                      reinterpret_cast<const char*>(data));
    }
    // The record of an item taken off the menu past this object goes; only
    // when every item was read, since a record still on the menu must stay.
    if (everyItemRead) {
        m_aMenuItems.erase(std::remove_if(m_aMenuItems.begin(), m_aMenuItems.end(),
                                          [](const std::unique_ptr<BCMenuData>& data) { return !data->m_bSynced; }),
                           m_aMenuItems.end());
    }
}

LRESULT BCMenu::FindKeyboardShortcut(UINT key, UINT, CMenu* popup)
{
    if (!popup || !IsMenu(popup->m_hMenu))
        return 0;
    auto* menu = dynamic_cast<BCMenu*>(CMenu::FromHandlePermanent(popup->m_hMenu));
    if (!menu)
        return 0;
    menu->SyncItemsWithMenu();
    const std::wstring wanted = {L'&', static_cast<wchar_t>(std::towlower(static_cast<wint_t>(key)))};
    const int count = menu->GetMenuItemCount();
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA;
        if (!::GetMenuItemInfoA(menu->m_hMenu, static_cast<UINT>(position), TRUE, &info) || !info.dwItemData)
            continue;
        std::wstring text = reinterpret_cast<const BCMenuData*>(info.dwItemData)->m_strText;
        std::transform(text.begin(), text.end(), text.begin(),
                       [](wchar_t c) { return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))); });
        if (text.find(wanted) != std::wstring::npos)
            return MAKELRESULT(position, MNC_EXECUTE);
    }
    return 0;
}

BOOL BCMenu::DestroyMenu()
{
    for (BCMenu* sub : m_aSubMenus) {
        // The submenu leaves this menu first, so that destroying this one does
        // not destroy it a second time.
        for (int position = GetMenuItemCount() - 1; position >= 0; --position) {
            if (::GetSubMenu(m_hMenu, position) == sub->m_hMenu)
                RemoveMenu(static_cast<UINT>(position), MF_BYPOSITION);
        }
        ForgetMenuHandle(s_aMenuHandles, sub->m_hMenu);
        delete sub;
    }
    m_aSubMenus.clear();
    // Popups appended by handle are destroyed with this menu.
    for (int position = GetMenuItemCount() - 1; position >= 0; --position)
        ForgetMenuHandle(s_aMenuHandles, ::GetSubMenu(m_hMenu, position));
    ForgetMenuHandle(s_aMenuHandles, m_hMenu);
    m_aMenuItems.clear();
    if (!m_bCheckMarksInherited)
        delete m_pCheckMarks;
    m_pCheckMarks = nullptr;
    m_bLoadedFromTemplate = FALSE;
    return CMenu::DestroyMenu();
}
