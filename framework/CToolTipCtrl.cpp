#include "framework/CToolTipCtrl.h"

BOOL CToolTipCtrl::Create(CWnd* owner, DWORD style)
{
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, owner ? owner->m_hWnd : nullptr, nullptr);
}

TOOLINFOA CToolTipCtrl::ToolInfo(CWnd* window, UINT_PTR toolId) const
{
    // The size of the older record works with every version of the control.
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = window ? window->m_hWnd : nullptr;
    info.uId = toolId;
    return info;
}

BOOL CToolTipCtrl::AddTool(CWnd* window, const char* text, LPCRECT rect, UINT_PTR toolId)
{
    // No TTF_SUBCLASS: the owners relay their mouse messages themselves, and a
    // subclassing tool would hand the tooltip each of them a second time.
    TOOLINFOA info = ToolInfo(window, toolId);
    info.lpszText = const_cast<char*>(text ? text : LPSTR_TEXTCALLBACKA);
    if (rect) {
        info.rect = *rect;
    } else if (window) {
        window->GetClientRect(&info.rect);
    }
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::DelTool(CWnd* window, UINT_PTR toolId)
{
    TOOLINFOA info = ToolInfo(window, toolId);
    SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(const char* text, CWnd* window, UINT_PTR toolId)
{
    TOOLINFOA info = ToolInfo(window, toolId);
    info.lpszText = const_cast<char*>(text);
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}
