// A tooltip control; tools are the owner's windows or rectangles of them.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/CWnd.h"

class CToolTipCtrl : public CWnd
{
public:
    // A tooltip owned by the window; FALSE when it cannot be made.
    BOOL Create(CWnd* owner, DWORD style = 0);
    void Activate(BOOL activate) { SendMessage(TTM_ACTIVATE, activate); }
    // A tool over the window's rectangle (the whole client area when none) with
    // the id. The tooltip sees the tool's mouse messages only through RelayEvent.
    BOOL AddTool(CWnd* window, const char* text, LPCRECT rect = nullptr, UINT_PTR toolId = 0);
    void DelTool(CWnd* window, UINT_PTR toolId = 0);
    void UpdateTipText(const char* text, CWnd* window, UINT_PTR toolId = 0);
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
    int SetMaxTipWidth(int width) { return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width)); }
    // Lets the tooltip see a mouse message bound for one of its tools.
    void RelayEvent(MSG* msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }

private:
    TOOLINFOA ToolInfo(CWnd* window, UINT_PTR toolId) const;
};
