// A window object. Windows of ours (created through CreateEx or a dialog, or bound with
// SubclassWindow) are in one permanent map from handle to object, so FromHandle of such a
// handle returns the object itself; other windows get temporary wrappers, freed when the
// message loop next goes idle. Messages reach the object's message map (MessageMap.h);
// what it does not handle goes to the window's original procedure.
#pragma once

#include <windows.h>

#include "framework/CDC.h"
#include "framework/CMenu.h"
#include "framework/CNonCopyable.h"
#include "framework/CPoint.h"
#include "framework/CRect.h"
#include "framework/CString.h"
#include "framework/MessageMap.h"

class CWnd : private CNonCopyable
{
public:
    virtual ~CWnd();

    // --- Handles and objects ---
    static CWnd* FromHandle(HWND hwnd);
    // The object of ours for the handle, or null.
    static CWnd* FromHandlePermanent(HWND hwnd);
    // The object of ours when it is a T, otherwise a temporary T (a wrapper class that
    // adds no data of its own, such as CHeaderCtrl).
    template <class T>
    static T* FromHandleAs(HWND hwnd)
    {
        if (!hwnd)
            return nullptr;
        if (auto* permanent = dynamic_cast<T*>(FromHandlePermanent(hwnd)))
            return permanent;
        return static_cast<T*>(TemporaryMap<HWND, T>::ForThread().Get(hwnd));
    }
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    // Puts the handle into the permanent map without taking over its messages.
    BOOL Attach(HWND hwnd);
    HWND Detach();

    // --- Creation and subclassing ---
    // A window of a class registered elsewhere (null: the framework's default class).
    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, void* param = nullptr);
    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU idOrMenu, void* param = nullptr);
    virtual BOOL Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent,
                        UINT id);
    virtual BOOL DestroyWindow();
    // Takes over the messages of an existing window; calls PreSubclassWindow first.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    // --- Message handling ---
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Offers a queued message to its window and the window's parents, child first, until
    // one takes it; stops at the top-level window.
    static BOOL WalkPreTranslateTree(MSG* msg);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendDlgItemMessageA(m_hWnd, id, message, wParam, lParam);
    }

    // --- Styles ---
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)); }
    // Removes, then adds style bits; with flags, also SetWindowPos so the frame follows.
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);

    // --- Text, state, placement ---
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    void GetWindowText(CString& text) const;
    CString GetWindowText() const;
    int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsZoomed() const { return ::IsZoomed(m_hWnd); }
    BOOL IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE)
    {
        ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE)
    {
        MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
    }
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, UINT flags);
    void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
    void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
    void ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
    void ScreenToClient(LPRECT rect) const;
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;
    HICON SetIcon(HICON icon, BOOL big);
    void SetRedraw(BOOL redraw = TRUE) { SendMessage(WM_SETREDRAW, redraw); }

    // --- Painting ---
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL RedrawWindow(LPCRECT rect = nullptr, CRgn* region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    CDC* GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
    int ReleaseDC(CDC* dc) { return ::ReleaseDC(m_hWnd, dc->Detach()); }

    // --- Focus, activation, relatives ---
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    void BringWindowToTop() { ::BringWindowToTop(m_hWnd); }
    CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    CWnd* GetTopLevelParent() const;
    static CWnd* GetDesktopWindow() { return FromHandle(::GetDesktopWindow()); }
    static CWnd* WindowFromPoint(POINT point) { return FromHandle(::WindowFromPoint(point)); }

    // --- Dialog items ---
    CWnd* GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    void SetDlgItemText(int id, const char* text) { ::SetDlgItemTextA(m_hWnd, id, text); }
    int GetDlgItemText(int id, CString& text) const;
    void CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
    UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
    void CheckRadioButton(int firstId, int lastId, int checkId)
    {
        ::CheckRadioButton(m_hWnd, firstId, lastId, checkId);
    }
    CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const;

    // --- Timers ---
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr)
    {
        return ::SetTimer(m_hWnd, id, elapse, proc);
    }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

    HWND m_hWnd = nullptr;

    // For the temporary maps only.
    void AttachTemporary(HWND hwnd) { m_hWnd = hwnd; }

protected:
    // The message's default processing: the window's original procedure.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The message map, commands and notifications (reflected to the child first); true
    // when something took the message, its result in *result.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The parent offers this control its own notification first; true when taken.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void PreSubclassWindow() {}
    // After the window's last message; the object may delete itself here.
    virtual void PostNcDestroy() {}

    // The window was created for this object (not bound to an existing one), so it is
    // destroyed with the object.
    bool m_bOwnsWindow = false;

    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;

    // Default handlers, for derived handlers to call as "the default processing".
    int OnCreate(LPCREATESTRUCTA) { return static_cast<int>(Default()); }
    void OnDestroy() { Default(); }
    void OnClose() { Default(); }
    void OnPaint() { Default(); }
    BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
    void OnTimer(UINT_PTR) { Default(); }
    void OnSize(UINT, int, int) { Default(); }
    void OnMove(int, int) { Default(); }
    void OnShowWindow(BOOL, UINT) { Default(); }
    void OnActivate(UINT, CWnd*, BOOL) { Default(); }
    void OnEnable(BOOL) { Default(); }
    void OnCancelMode() { Default(); }
    void OnSetFocus(CWnd*) { Default(); }
    void OnKillFocus(CWnd*) { Default(); }
    BOOL OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
    UINT OnGetDlgCode() { return static_cast<UINT>(Default()); }
    void OnSysColorChange() { Default(); }
    HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
    void OnHotKey(UINT, UINT, UINT) { Default(); }
    void OnContextMenu(CWnd*, CPoint) { Default(); }
    LRESULT OnNcHitTest(CPoint) { return Default(); }
    void OnSysCommand(UINT, LPARAM) { Default(); }
    void OnMouseMove(UINT, CPoint) { Default(); }
    void OnLButtonDown(UINT, CPoint) { Default(); }
    void OnLButtonUp(UINT, CPoint) { Default(); }
    void OnLButtonDblClk(UINT, CPoint) { Default(); }
    void OnRButtonDown(UINT, CPoint) { Default(); }
    void OnRButtonUp(UINT, CPoint) { Default(); }
    void OnMouseHover(UINT, CPoint) { Default(); }
    void OnMouseLeave() { Default(); }
    void OnChar(UINT, UINT, UINT) { Default(); }
    void OnKeyDown(UINT, UINT, UINT) { Default(); }
    void OnKeyUp(UINT, UINT, UINT) { Default(); }
    void OnSysKeyDown(UINT, UINT, UINT) { Default(); }
    void OnVScroll(UINT, int, CWnd*) { Default(); }
    void OnHScroll(UINT, int, CWnd*) { Default(); }
    // Owner-drawn menu items go to the menu object that holds them.
    void OnDrawItem(int, LPDRAWITEMSTRUCT item);
    void OnMeasureItem(int, LPMEASUREITEMSTRUCT item);
    LRESULT OnMenuChar(UINT, UINT, CMenu*) { return Default(); }
    HBRUSH OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }

private:
    friend LRESULT CALLBACK FrameworkWindowProc(HWND, UINT, WPARAM, LPARAM);
    friend class CWndCreationHook;

    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void AfterNcDestroy();
    // Looks the message up in the maps from this class to the base.
    BOOL DispatchToMap(MessageMatch match, UINT message, UINT code, UINT id, MessageArgs& args);
    // Offers a notification to the child control's object, if the child is ours.
    BOOL ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    void InstallWindowProc();

    WNDPROC m_fnSuperWndProc = nullptr;

    // Window property holding the original procedure of a window that no object serves
    // any more while our procedure cannot leave its chain.
    static constexpr const char* kStrandedProcProperty = "TapforgeStrandedProc";

public:
    // True once ShowWindow(SW_HIDE) was the last show command given through this object;
    // dialogs use it to leave a window hidden in its initialisation hidden.
    bool m_bHiddenByCall = false;
};
