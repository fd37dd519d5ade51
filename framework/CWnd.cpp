#include "framework/CWnd.h"

#include <mutex>
#include <unordered_map>
#include <vector>

#include "framework/AfxResource.h"
#include "framework/CWinApp.h"
#include "framework/CWndCreationHook.h"
#include "framework/WindowClass.h"

LRESULT CALLBACK FrameworkWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

namespace {

// Windows of ours, by handle. Worker threads may look windows up, so access is locked.
std::mutex g_permanentLock;

std::unordered_map<HWND, CWnd*>& PermanentMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

}  // namespace

CWnd::~CWnd()
{
    if (!m_hWnd || FromHandlePermanent(m_hWnd) != this)
        return;
    // A window made for this object goes with it; a bound control returns to its own
    // procedure and stays with its dialog.
    if (m_bOwnsWindow) {
        DestroyWindow();
    } else {
        UnsubclassWindow();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    std::lock_guard<std::mutex> guard(g_permanentLock);
    auto found = PermanentMap().find(hwnd);
    return found == PermanentMap().end() ? nullptr : found->second;
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    if (CWnd* permanent = FromHandlePermanent(hwnd))
        return permanent;
    return TemporaryMap<HWND, CWnd>::ForThread().Get(hwnd);
}

BOOL CWnd::Attach(HWND hwnd)
{
    if (!hwnd || m_hWnd)
        return FALSE;
    std::lock_guard<std::mutex> guard(g_permanentLock);
    if (!PermanentMap().emplace(hwnd, this).second)
        return FALSE;
    m_hWnd = hwnd;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hwnd = m_hWnd;
    if (hwnd) {
        std::lock_guard<std::mutex> guard(g_permanentLock);
        auto found = PermanentMap().find(hwnd);
        if (found != PermanentMap().end() && found->second == this)
            PermanentMap().erase(found);
    }
    m_hWnd = nullptr;
    m_bOwnsWindow = false;
    return hwnd;
}

void CWnd::InstallWindowProc()
{
    if (HANDLE stranded = ::RemovePropA(m_hWnd, kStrandedProcProperty)) {
        // Our procedure is still in the chain, under a procedure installed after it: it
        // serves this object again, rather than a second copy on top of the chain.
        m_fnSuperWndProc = reinterpret_cast<WNDPROC>(stranded);
        return;
    }
    auto current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
    if (current == &FrameworkWindowProc)
        return;
    m_fnSuperWndProc = current;
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWindowProc));
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id, void* param)
{
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU idOrMenu, void* param)
{
    if (m_hWnd)
        return FALSE;
    AfxInitCommonControls();
    HWND created = nullptr;
    {
        CWndCreationHook hook(this);
        created = ::CreateWindowExA(exStyle, className ? className : AfxDefaultWndClass(), windowName, style, x, y,
                                    width, height, parent, idOrMenu, AfxGetInstanceHandle(), param);
    }
    if (!created)
        return FALSE;
    if (m_hWnd != created) {
        // The hook could not bind it (another hook in the way): bind it now.
        if (!SubclassWindow(created)) {
            ::DestroyWindow(created);
            return FALSE;
        }
        m_bOwnsWindow = true;
    }
    return TRUE;
}

BOOL CWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id);
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    const bool subclassed = m_fnSuperWndProc != nullptr;
    const BOOL destroyed = ::DestroyWindow(m_hWnd);
    // Without our procedure the object never sees WM_NCDESTROY: let go here.
    if (destroyed && !subclassed)
        Detach();
    return destroyed;
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (!Attach(hwnd))
        return FALSE;
    PreSubclassWindow();
    InstallWindowProc();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    HWND control = ::GetDlgItem(parent->m_hWnd, id);
    return control ? SubclassWindow(control) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (!m_hWnd)
        return nullptr;
    if (m_fnSuperWndProc) {
        if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC)) == &FrameworkWindowProc) {
            ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_fnSuperWndProc));
        } else {
            // Something subclassed the window after us (a tooltip tracking the control), so
            // our procedure stays in the chain: it must pass messages on to the original.
            ::SetPropA(m_hWnd, kStrandedProcProperty, reinterpret_cast<HANDLE>(m_fnSuperWndProc));
        }
    }
    m_fnSuperWndProc = nullptr;
    return Detach();
}

namespace {

BOOL ModifyStyleBits(HWND hwnd, int index, DWORD remove, DWORD add, UINT flags)
{
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(hwnd, index));
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongA(hwnd, index, static_cast<LONG>(changed));
    if (flags) {
        ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    }
    return TRUE;
}

}  // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags)
{
    return ModifyStyleBits(m_hWnd, GWL_STYLE, remove, add, flags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags)
{
    return ModifyStyleBits(m_hWnd, GWL_EXSTYLE, remove, add, flags);
}

void CWnd::GetWindowText(CString& text) const
{
    const int length = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> buffer(length + 1);
    const int copied = ::GetWindowTextA(m_hWnd, buffer.data(), length + 1);
    text = CString(buffer.data(), copied);
}

CString CWnd::GetWindowText() const
{
    CString text;
    GetWindowText(text);
    return text;
}

BOOL CWnd::ShowWindow(int command)
{
    m_bHiddenByCall = command == SW_HIDE;
    return ::ShowWindow(m_hWnd, command);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, UINT flags)
{
    return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, width, height, flags);
}

void CWnd::ClientToScreen(LPRECT rect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::ScreenToClient(LPRECT rect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
}

CFont* CWnd::GetFont() const
{
    return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
}

HICON CWnd::SetIcon(HICON icon, BOOL big)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

BOOL CWnd::RedrawWindow(LPCRECT rect, CRgn* region, UINT flags)
{
    return ::RedrawWindow(m_hWnd, rect, region ? static_cast<HRGN>(*region) : nullptr, flags);
}

CWnd* CWnd::GetTopLevelParent() const
{
    HWND hwnd = m_hWnd;
    while (hwnd && (::GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD))
        hwnd = ::GetParent(hwnd);
    return FromHandle(hwnd);
}

int CWnd::GetDlgItemText(int id, CString& text) const
{
    HWND item = ::GetDlgItem(m_hWnd, id);
    if (!item) {
        text.Empty();
        return 0;
    }
    text = FromHandle(item)->GetWindowText();
    return text.GetLength();
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* control, BOOL previous) const
{
    return FromHandle(::GetNextDlgTabItem(m_hWnd, control ? control->m_hWnd : nullptr, previous));
}
