// How a message travels through a window object: the window procedure, the message map
// from the most derived class to the base, reflection of notifications to the child
// control's object, and default processing by the window's original procedure.
#include "framework/CWnd.h"

#include "framework/CMenu.h"

#include <vector>

#include "framework/CWinApp.h"

namespace {

struct CurrentMessage
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// The messages being handled on this thread, innermost last (sent messages nest).
thread_local std::vector<CurrentMessage> t_currentMessages;

bool IsControlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

LRESULT CALLBACK FrameworkWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* window = CWnd::FromHandlePermanent(hwnd);
    if (!window) {
        auto stranded = reinterpret_cast<WNDPROC>(::GetPropA(hwnd, CWnd::kStrandedProcProperty));
        if (!stranded)
            return ::DefWindowProcA(hwnd, message, wParam, lParam);
        if (message == WM_NCDESTROY)
            ::RemovePropA(hwnd, CWnd::kStrandedProcProperty);
        return ::CallWindowProcA(stranded, hwnd, message, wParam, lParam);
    }
    return window->Dispatch(message, wParam, lParam);
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    t_currentMessages.push_back({message, wParam, lParam});
    const LRESULT result = WindowProc(message, wParam, lParam);
    t_currentMessages.pop_back();
    if (message == WM_NCDESTROY)
        AfterNcDestroy();
    return result;
}

void CWnd::AfterNcDestroy()
{
    HWND hwnd = m_hWnd;
    UnsubclassWindow();
    // The window is gone: nothing will pass messages on any more.
    ::RemovePropA(hwnd, kStrandedProcProperty);
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    PostNcDestroy();
}

LRESULT CWnd::Default()
{
    if (t_currentMessages.empty())
        return 0;
    const CurrentMessage current = t_currentMessages.back();
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_fnSuperWndProc)
        return ::CallWindowProcA(m_fnSuperWndProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_COMMAND:
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *result = 0;
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(wParam, lParam, result);
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (item->CtlType != ODT_MENU && ReflectToChild(item->hwndItem, message, wParam, lParam, result))
            return TRUE;
        break;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item->CtlType != ODT_MENU &&
            ReflectToChild(::GetDlgItem(m_hWnd, static_cast<int>(item->CtlID)), message, wParam, lParam, result)) {
            return TRUE;
        }
        break;
    }
    case WM_DELETEITEM:
        if (ReflectToChild(reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->hwndItem, message, wParam, lParam, result)) {
            return TRUE;
        }
        break;
    case WM_COMPAREITEM:
        if (ReflectToChild(reinterpret_cast<COMPAREITEMSTRUCT*>(lParam)->hwndItem, message, wParam, lParam, result)) {
            return TRUE;
        }
        break;
    default:
        if (IsControlColorMessage(message) &&
            ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, result)) {
            return TRUE;
        }
        break;
    }
    MessageArgs args{message, wParam, lParam, 0};
    if (DispatchToMap(MessageMatch::Message, message, 0, 0, args)) {
        *result = args.result;
        return TRUE;
    }
    if ((message == WM_DRAWITEM || message == WM_MEASUREITEM) && CMenu::RouteOwnerDrawnItem(message, lParam)) {
        *result = TRUE;
        return TRUE;
    }
    return FALSE;
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT item)
{
    if (!CMenu::RouteOwnerDrawnItem(WM_DRAWITEM, reinterpret_cast<LPARAM>(item)))
        Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT item)
{
    if (!CMenu::RouteOwnerDrawnItem(WM_MEASUREITEM, reinterpret_cast<LPARAM>(item)))
        Default();
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    HWND control = reinterpret_cast<HWND>(lParam);
    LRESULT ignored = 0;
    if (control && ReflectToChild(control, WM_COMMAND, wParam, lParam, &ignored))
        return TRUE;
    // Menus and accelerators carry no control; they count as plain commands.
    const UINT code = control ? HIWORD(wParam) : 0;
    MessageArgs args{WM_COMMAND, wParam, lParam, 0};
    return DispatchToMap(MessageMatch::Command, WM_COMMAND, code, LOWORD(wParam), args);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header)
        return FALSE;
    if (header->hwndFrom && ReflectToChild(header->hwndFrom, WM_NOTIFY, wParam, lParam, result))
        return TRUE;
    MessageArgs args{WM_NOTIFY, wParam, lParam, 0};
    if (!DispatchToMap(MessageMatch::Notify, WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom), args)) {
        return FALSE;
    }
    *result = args.result;
    return TRUE;
}

BOOL CWnd::ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    CWnd* control = FromHandlePermanent(child);
    if (!control || control == this)
        return FALSE;
    return control->OnChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    MessageArgs args{message, wParam, lParam, 0};
    BOOL taken = FALSE;
    if (message == WM_COMMAND) {
        taken = DispatchToMap(MessageMatch::ReflectedCommand, WM_COMMAND, HIWORD(wParam), 0, args);
    } else if (message == WM_NOTIFY) {
        taken =
            DispatchToMap(MessageMatch::ReflectedNotify, WM_NOTIFY, reinterpret_cast<NMHDR*>(lParam)->code, 0, args);
    } else {
        taken = DispatchToMap(MessageMatch::ReflectedMessage, message, 0, 0, args);
    }
    if (taken && result)
        *result = args.result;
    return taken;
}

BOOL CWnd::DispatchToMap(MessageMatch match, UINT message, UINT code, UINT id, MessageArgs& args)
{
    const bool byId = match == MessageMatch::Command || match == MessageMatch::Notify;
    const bool byCode = byId || match == MessageMatch::ReflectedCommand || match == MessageMatch::ReflectedNotify;
    for (const MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->handler; ++entry) {
            if (entry->match != match || entry->message != message)
                continue;
            if (byCode && entry->code != code)
                continue;
            if (byId && (id < entry->firstId || id > entry->lastId))
                continue;
            return entry->handler(this, args) ? TRUE : FALSE;
        }
    }
    return FALSE;
}

const MessageMap* CWnd::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = {{MessageMatch::Message, 0, 0, 0, 0, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(MSG* msg)
{
    for (HWND hwnd = msg->hwnd; hwnd;) {
        CWnd* window = FromHandlePermanent(hwnd);
        if (window && window->PreTranslateMessage(msg))
            return TRUE;
        if (!::IsWindow(hwnd) || !(::GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD))
            break;
        hwnd = ::GetParent(hwnd);
    }
    return FALSE;
}
