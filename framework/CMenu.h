// A menu. A menu this object loaded or created is destroyed with it; FromHandle and
// GetSubMenu give temporary wrappers that never destroy.
#pragma once

#include <windows.h>

#include "framework/CNonCopyable.h"
#include "framework/CString.h"
#include "framework/TemporaryMap.h"

class CWnd;

class CMenu : private CNonCopyable
{
public:
    virtual ~CMenu();

    virtual BOOL LoadMenu(UINT resourceId);
    virtual BOOL LoadMenu(const char* resourceName);
    virtual BOOL DestroyMenu();
    BOOL CreateMenu() { return Attach(::CreateMenu()); }
    BOOL CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
    BOOL Attach(HMENU menu);
    HMENU Detach();
    static CMenu* FromHandle(HMENU menu);
    // The menu object that holds the menu (never a temporary wrapper), or null.
    static CMenu* FromHandlePermanent(HMENU menu);
    // Hands WM_DRAWITEM or WM_MEASUREITEM of an owner-drawn menu item to the
    // menu object that holds the item; FALSE when none does.
    static BOOL RouteOwnerDrawnItem(UINT message, LPARAM lParam);
    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }

    CMenu* GetSubMenu(int position) const { return FromHandle(::GetSubMenu(m_hMenu, position)); }
    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    UINT GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }
    UINT GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }
    int GetMenuString(UINT item, CString& text, UINT flags) const;
    BOOL AppendMenu(UINT flags, UINT_PTR idOrPopup = 0, const char* text = nullptr)
    {
        return ::AppendMenuA(m_hMenu, flags, idOrPopup, text);
    }
    BOOL InsertMenu(UINT position, UINT flags, UINT_PTR idOrPopup = 0, const char* text = nullptr)
    {
        return ::InsertMenuA(m_hMenu, position, flags, idOrPopup, text);
    }
    BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR idOrPopup = 0, const char* text = nullptr)
    {
        return ::ModifyMenuA(m_hMenu, position, flags, idOrPopup, text);
    }
    BOOL RemoveMenu(UINT position, UINT flags) { return ::RemoveMenu(m_hMenu, position, flags); }
    BOOL DeleteMenu(UINT position, UINT flags) { return ::DeleteMenu(m_hMenu, position, flags); }
    UINT CheckMenuItem(UINT item, UINT check) { return ::CheckMenuItem(m_hMenu, item, check); }
    UINT EnableMenuItem(UINT item, UINT enable) { return ::EnableMenuItem(m_hMenu, item, enable); }
    // With TPM_RETURNCMD, the chosen command (0 for none); otherwise whether it succeeded.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr) const;

    // Owner-drawn items; the default draws and measures nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
    virtual void MeasureItem(LPMEASUREITEMSTRUCT) {}

    // For the temporary maps only.
    void AttachTemporary(HMENU menu) { m_hMenu = menu; }

    HMENU m_hMenu = nullptr;
};
