#include "framework/CMenu.h"

#include <vector>

#include "framework/AfxResource.h"
#include "framework/CWnd.h"

#include <algorithm>

namespace {

// Menu objects that hold a menu: owner-drawn items reach their object through it.
std::vector<CMenu*>& LiveMenus()
{
    static std::vector<CMenu*> menus;
    return menus;
}

void ForgetLiveMenu(CMenu* menu)
{
    std::vector<CMenu*>& menus = LiveMenus();
    menus.erase(std::remove(menus.begin(), menus.end(), menu), menus.end());
}

}  // namespace

CMenu::~CMenu()
{
    CMenu::DestroyMenu();
    ForgetLiveMenu(this);
}

BOOL CMenu::LoadMenu(UINT resourceId)
{
    return LoadMenu(MAKEINTRESOURCEA(resourceId));
}

BOOL CMenu::LoadMenu(const char* resourceName)
{
    if (m_hMenu)
        return FALSE;
    return Attach(::LoadMenuA(AfxGetResourceHandle(), resourceName));
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::Attach(HMENU menu)
{
    if (!menu || m_hMenu)
        return FALSE;
    m_hMenu = menu;
    LiveMenus().push_back(this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    ForgetLiveMenu(this);
    return menu;
}

CMenu* CMenu::FromHandle(HMENU menu)
{
    if (!menu)
        return nullptr;
    return TemporaryMap<HMENU, CMenu>::ForThread().Get(menu);
}

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const
{
    const int length = ::GetMenuStringA(m_hMenu, item, nullptr, 0, flags);
    std::vector<char> buffer(length + 1);
    const int copied = ::GetMenuStringA(m_hMenu, item, buffer.data(), length + 1, flags);
    text = CString(buffer.data(), copied);
    return copied;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect) const
{
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : nullptr, rect);
}

CMenu* CMenu::FromHandlePermanent(HMENU menu)
{
    for (CMenu* live : LiveMenus()) {
        if (menu && live->m_hMenu == menu)
            return live;
    }
    return nullptr;
}

BOOL CMenu::RouteOwnerDrawnItem(UINT message, LPARAM lParam)
{
    if (message == WM_DRAWITEM) {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        CMenu* menu =
            item->CtlType == ODT_MENU ? FromHandlePermanent(reinterpret_cast<HMENU>(item->hwndItem)) : nullptr;
        if (!menu)
            return FALSE;
        menu->DrawItem(item);
        return TRUE;
    }
    if (message == WM_MEASUREITEM) {
        // The measure request names no menu: the item's command finds it.
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item->CtlType != ODT_MENU)
            return FALSE;
        for (CMenu* live : LiveMenus()) {
            if (::GetMenuState(live->m_hMenu, item->itemID, MF_BYCOMMAND) != static_cast<UINT>(-1)) {
                live->MeasureItem(item);
                return TRUE;
            }
        }
    }
    return FALSE;
}
