#pragma once

#include "framework/CMap.h"
#include "framework/CString.h"
#include "framework/CWnd.h"

#include <shellapi.h>

// Kinds of tray icon; the program uses one.
enum TRAYICONTYPE
{
    TRAYICON_MAIN = 5000
};

// The notification sent by the tray icon to its window: lParam is the mouse
// message.
const UINT WM_TRAYNOTIFY = WM_APP + 1;

// The program's icon in the notification area: a hidden child window of the
// main dialog receives its mouse messages and its menu's commands.
class CTrayIcon : public CWnd
{
public:
    enum
    {
        TRAY_ICON_ID = 128,
        TRAY_MENU_RESOURCE = 129
    };

    CTrayIcon();
    ~CTrayIcon() override;

    BOOL Create(CWnd* parent);
    void SetIcon(TRAYICONTYPE kind, HICON icon);
    // Nonzero when the icon was added.
    BOOL AddIcon(TRAYICONTYPE kind);
    BOOL RemoveIcon();

    virtual void ShowMainWindow();
    virtual void OnRightButton();
    virtual void OnMenuCommand(UINT id);
    virtual BOOL ShowMenu();

    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);

    CString m_strTooltip;
    int m_nMenuResource = TRAY_MENU_RESOURCE;
    CWnd* m_pMainWnd = nullptr;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    CMap<int, int, HICON, HICON> m_mapIcons{10};
    NOTIFYICONDATAA m_IconData{};
};
