#include "app/CTrayIcon.h"

#include "app/CMarionetAboutDlg.h"
#include "app/CMarionetApp.h"
#include "app/CMarionetDlg.h"
#include "app/HelpFile.h"
#include "framework/AfxResource.h"
#include "framework/WindowClass.h"
#include "res/TapforgeResource.h"

#include <cstring>

namespace {

// The record as the shell has always taken it, up to the balloon icon (the
// 64-bit build's handles are wider).
static_assert(sizeof(NOTIFYICONDATAA) == (sizeof(void*) == 4 ? 508 : 528), "tray icon record size");

const int kMaxTipLength = 127;

}  // namespace

BEGIN_MESSAGE_MAP(CTrayIcon, CWnd)
    ON_MESSAGE(WM_TRAYNOTIFY, OnTrayNotify)
END_MESSAGE_MAP()

CTrayIcon::CTrayIcon() = default;

CTrayIcon::~CTrayIcon()
{
    POSITION position = m_mapIcons.GetStartPosition();
    while (position) {
        int kind = 0;
        HICON icon = nullptr;
        m_mapIcons.GetNextAssoc(position, kind, icon);
        ::DestroyIcon(icon);
    }
}

BOOL CTrayIcon::Create(CWnd* parent)
{
    const BOOL created = CreateEx(0, AfxDefaultWndClass(), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), parent, 0);
    if (created) {
        ShowWindow(SW_HIDE);
        UpdateWindow();
    }
    return created;
}

void CTrayIcon::SetIcon(TRAYICONTYPE kind, HICON icon)
{
    if (icon)
        m_mapIcons.SetAt(kind, icon);
}

BOOL CTrayIcon::AddIcon(TRAYICONTYPE kind)
{
    HICON icon = nullptr;
    if (!m_mapIcons.Lookup(kind, icon) || !IsWindow())
        return FALSE;
    m_IconData = NOTIFYICONDATAA{};
    m_IconData.cbSize = sizeof(NOTIFYICONDATAA);
    m_IconData.hWnd = m_hWnd;
    m_IconData.uID = TRAY_ICON_ID;
    m_IconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_IconData.uCallbackMessage = WM_TRAYNOTIFY;
    m_IconData.hIcon = icon;
    std::strncpy(m_IconData.szTip, m_strTooltip.Left(kMaxTipLength), kMaxTipLength);
    return ::Shell_NotifyIconA(NIM_ADD, &m_IconData);
}

BOOL CTrayIcon::RemoveIcon()
{
    return ::Shell_NotifyIconA(NIM_DELETE, &m_IconData);
}

LRESULT CTrayIcon::OnTrayNotify(WPARAM, LPARAM lParam)
{
    if (lParam == WM_LBUTTONDOWN)
        ShowMainWindow();
    else if (lParam == WM_RBUTTONDOWN)
        OnRightButton();
    return 0;
}

void CTrayIcon::ShowMainWindow()
{
    if (!m_pMainWnd)
        return;
    m_pMainWnd->ShowWindow(SW_SHOWNORMAL);
    m_pMainWnd->SetFocus();
    m_pMainWnd->SetForegroundWindow();
}

void CTrayIcon::OnRightButton()
{
    ShowMenu();
}

BOOL CTrayIcon::ShowMenu()
{
    CMenu menu;
    if (!menu.LoadMenu(static_cast<UINT>(m_nMenuResource)))
        return FALSE;
    CMenu* popup = menu.GetSubMenu(0);
    if (!popup)
        return FALSE;
    const bool mainHidden = !m_pMainWnd || !m_pMainWnd->IsWindowVisible() || m_pMainWnd->IsIconic();
    popup->RemoveMenu(mainHidden ? ID_TRAY_HIDE : ID_TRAY_SHOW, MF_BYCOMMAND);
    POINT cursor{};
    ::GetCursorPos(&cursor);
    SetForegroundWindow();
    return popup->TrackPopupMenu(0, cursor.x, cursor.y, this);
}

BOOL CTrayIcon::OnCommand(WPARAM wParam, LPARAM lParam)
{
    OnMenuCommand(LOWORD(wParam));
    return CWnd::OnCommand(wParam, lParam);
}

void CTrayIcon::OnMenuCommand(UINT id)
{
    if (!m_pMainWnd)
        return;
    switch (id) {
    case ID_TRAY_SHOW:
        ShowMainWindow();
        break;
    case ID_TRAY_HIDE:
        m_pMainWnd->ShowWindow(SW_HIDE);
        break;
    case ID_TRAY_HELP:
        ShowHelpFile();
        break;
    case ID_TRAY_ABOUT: {
        CMarionetAboutDlg about(nullptr);
        about.DoModal();
        break;
    }
    case ID_TRAY_EXIT:
        m_pMainWnd->ShowWindow(SW_HIDE);
        RemoveIcon();
        if (auto* dialog = dynamic_cast<CMarionetDlg*>(m_pMainWnd))
            dialog->QuitApplication();
        break;
    default:
        m_pMainWnd->ShowWindow(SW_SHOW);
        break;
    }
}
