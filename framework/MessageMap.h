// Message maps: each window class has a table of the messages it handles; a message is
// looked up from the most derived class's table to the base's, and the first matching
// entry takes it. Handlers receive the message's arguments already cracked.
//
//   // in the class:         DECLARE_MESSAGE_MAP()
//   // in the .cpp file:
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//       ON_WM_TIMER()
//       ON_BN_CLICKED(1002, OnRunRobot)
//       ON_NOTIFY(LVN_ITEMCHANGED, 1001, OnListItemChanged)
//       ON_MESSAGE(WM_USER + 2, OnRunByIndex)
//   END_MESSAGE_MAP()
//
// Reflected entries (ON_NOTIFY_REFLECT, ON_CONTROL_REFLECT, ON_WM_CTLCOLOR_REFLECT) are
// looked up in the child control's table when its parent receives the notification; the
// child takes the message whole, or with the _EX forms returns FALSE to let the parent
// see it too.
#pragma once

#include <windows.h>

class CWnd;

struct MessageArgs
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
};

// Calls the handler on the window; false when the entry declines the message (an _EX
// handler returning FALSE, a reflected colour handler returning no brush).
using MessageHandler = bool (*)(CWnd* window, MessageArgs& args);

enum class MessageMatch : UINT
{
    Message,           // a window message
    Command,           // WM_COMMAND with a notification code and a control or command id range
    Notify,            // WM_NOTIFY with a notification code and a control id range
    ReflectedMessage,  // a message the parent offers back to the control (colours)
    ReflectedCommand,  // a WM_COMMAND notification offered back to the control
    ReflectedNotify,   // a WM_NOTIFY notification offered back to the control
};

struct MessageMapEntry
{
    MessageMatch match;
    UINT message;
    UINT code;
    UINT firstId;
    UINT lastId;
    MessageHandler handler;
};

struct MessageMap
{
    const MessageMap* (*base)();
    const MessageMapEntry* entries;  // ends with an entry whose handler is null
};

// Leaves the members that follow protected, as message handlers usually are.
#define DECLARE_MESSAGE_MAP()                     \
protected:                                        \
    static const MessageMap* GetThisMessageMap(); \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)        \
    const MessageMap* theClass::GetMessageMap() const \
    {                                                 \
        return GetThisMessageMap();                   \
    }                                                 \
    const MessageMap* theClass::GetThisMessageMap()   \
    {                                                 \
        using ThisClass = theClass;                   \
        using TheBaseClass = baseClass;               \
        static const MessageMapEntry entries[] = {
#define END_MESSAGE_MAP()                                                      \
    {                                                                          \
        MessageMatch::Message, 0, 0, 0, 0, nullptr                             \
    }                                                                          \
    }                                                                          \
    ;                                                                          \
    static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                               \
    }

// One entry; the body sees `self` (the window as ThisClass) and `a` (MessageArgs).
#define TF_MAP_ENTRY(match, message, code, firstId, lastId, ...) \
    {MessageMatch::match,                                        \
     (UINT)(message),                                            \
     (UINT)(code),                                               \
     (UINT)(firstId),                                            \
     (UINT)(lastId),                                             \
     [](CWnd* window_, MessageArgs& a) -> bool {                 \
         ThisClass* self = static_cast<ThisClass*>(window_);     \
         (void)self;                                             \
         (void)a;                                                \
         __VA_ARGS__                                             \
     }},

#define TF_WND(h) CWnd::FromHandle(reinterpret_cast<HWND>(h))
#define TF_PT(l) CPoint(static_cast<LPARAM>(l))

// Any message: LRESULT fn(WPARAM, LPARAM).
#define ON_MESSAGE(message, fn) \
    TF_MAP_ENTRY(Message, message, 0, 0, 0, a.result = self->fn(a.wParam, a.lParam); return true;)

// Commands and control notifications by id.
#define ON_COMMAND(id, fn) TF_MAP_ENTRY(Command, WM_COMMAND, 0, id, id, self->fn(); return true;)
#define ON_COMMAND_RANGE(firstId, lastId, fn) \
    TF_MAP_ENTRY(Command, WM_COMMAND, 0, firstId, lastId, self->fn(LOWORD(a.wParam)); return true;)
#define ON_CONTROL(code, id, fn) TF_MAP_ENTRY(Command, WM_COMMAND, code, id, id, self->fn(); return true;)
#define ON_CONTROL_RANGE(code, firstId, lastId, fn) \
    TF_MAP_ENTRY(Command, WM_COMMAND, code, firstId, lastId, self->fn(LOWORD(a.wParam)); return true;)
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_STN_CLICKED(id, fn) ON_CONTROL(STN_CLICKED, id, fn)

// WM_NOTIFY by code and id: void fn(NMHDR*, LRESULT*); the range form gets the id first.
#define ON_NOTIFY(code, id, fn) \
    TF_MAP_ENTRY(Notify, WM_NOTIFY, code, id, id, self->fn(reinterpret_cast<NMHDR*>(a.lParam), &a.result); return true;)
#define ON_NOTIFY_RANGE(code, firstId, lastId, fn)                                       \
    TF_MAP_ENTRY(Notify, WM_NOTIFY, code, firstId, lastId,                               \
                 self->fn(static_cast<UINT>(reinterpret_cast<NMHDR*>(a.lParam)->idFrom), \
                          reinterpret_cast<NMHDR*>(a.lParam), &a.result);                \
                 return true;)

// Reflected notifications, handled by the control itself.
#define ON_NOTIFY_REFLECT(code, fn)                                                                               \
    TF_MAP_ENTRY(ReflectedNotify, WM_NOTIFY, code, 0, 0, self->fn(reinterpret_cast<NMHDR*>(a.lParam), &a.result); \
                 return true;)
#define ON_NOTIFY_REFLECT_EX(code, fn)                   \
    TF_MAP_ENTRY(ReflectedNotify, WM_NOTIFY, code, 0, 0, \
                 return self->fn(reinterpret_cast<NMHDR*>(a.lParam), &a.result) != FALSE;)
#define ON_CONTROL_REFLECT(code, fn) TF_MAP_ENTRY(ReflectedCommand, WM_COMMAND, code, 0, 0, self->fn(); return true;)
#define ON_CONTROL_REFLECT_EX(code, fn) \
    TF_MAP_ENTRY(ReflectedCommand, WM_COMMAND, code, 0, 0, return self->fn() != FALSE;)
#define TF_CTLCOLOR_REFLECT_ENTRY(message, type)                                                         \
    TF_MAP_ENTRY(ReflectedMessage, message, 0, 0, 0,                                                     \
                 HBRUSH brush_ = self->CtlColor(CDC::FromHandle(reinterpret_cast<HDC>(a.wParam)), type); \
                 a.result = reinterpret_cast<LRESULT>(brush_); return brush_ != nullptr;)
// HBRUSH CtlColor(CDC*, UINT ctlType); a null brush leaves the message to the parent.
#define ON_WM_CTLCOLOR_REFLECT()                                        \
    TF_CTLCOLOR_REFLECT_ENTRY(WM_CTLCOLOREDIT, CTLCOLOR_EDIT)           \
    TF_CTLCOLOR_REFLECT_ENTRY(WM_CTLCOLORLISTBOX, CTLCOLOR_LISTBOX)     \
    TF_CTLCOLOR_REFLECT_ENTRY(WM_CTLCOLORBTN, CTLCOLOR_BTN)             \
    TF_CTLCOLOR_REFLECT_ENTRY(WM_CTLCOLORDLG, CTLCOLOR_DLG)             \
    TF_CTLCOLOR_REFLECT_ENTRY(WM_CTLCOLORSCROLLBAR, CTLCOLOR_SCROLLBAR) \
    TF_CTLCOLOR_REFLECT_ENTRY(WM_CTLCOLORSTATIC, CTLCOLOR_STATIC)       \
    TF_CTLCOLOR_REFLECT_ENTRY(WM_CTLCOLORMSGBOX, CTLCOLOR_MSGBOX)

// Window messages, with the handlers' classic names and cracked arguments.
#define ON_WM_CREATE()                                                                                                \
    TF_MAP_ENTRY(Message, WM_CREATE, 0, 0, 0, a.result = self->OnCreate(reinterpret_cast<LPCREATESTRUCTA>(a.lParam)); \
                 return true;)
#define ON_WM_DESTROY() TF_MAP_ENTRY(Message, WM_DESTROY, 0, 0, 0, self->OnDestroy(); return true;)
#define ON_WM_CLOSE() TF_MAP_ENTRY(Message, WM_CLOSE, 0, 0, 0, self->OnClose(); return true;)
#define ON_WM_PAINT() TF_MAP_ENTRY(Message, WM_PAINT, 0, 0, 0, self->OnPaint(); return true;)
#define ON_WM_ERASEBKGND()                                                                        \
    TF_MAP_ENTRY(Message, WM_ERASEBKGND, 0, 0, 0,                                                 \
                 a.result = self->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(a.wParam))); \
                 return true;)
#define ON_WM_TIMER() \
    TF_MAP_ENTRY(Message, WM_TIMER, 0, 0, 0, self->OnTimer(static_cast<UINT_PTR>(a.wParam)); return true;)
#define ON_WM_SIZE()                                                                                          \
    TF_MAP_ENTRY(Message, WM_SIZE, 0, 0, 0,                                                                   \
                 self->OnSize(static_cast<UINT>(a.wParam), (short)LOWORD(a.lParam), (short)HIWORD(a.lParam)); \
                 return true;)
#define ON_WM_MOVE()                                                                                        \
    TF_MAP_ENTRY(Message, WM_MOVE, 0, 0, 0, self->OnMove((short)LOWORD(a.lParam), (short)HIWORD(a.lParam)); \
                 return true;)
#define ON_WM_SHOWWINDOW()                                                                     \
    TF_MAP_ENTRY(Message, WM_SHOWWINDOW, 0, 0, 0,                                              \
                 self->OnShowWindow(static_cast<BOOL>(a.wParam), static_cast<UINT>(a.lParam)); \
                 return true;)
#define ON_WM_ACTIVATE()                                                                 \
    TF_MAP_ENTRY(Message, WM_ACTIVATE, 0, 0, 0,                                          \
                 self->OnActivate(LOWORD(a.wParam), TF_WND(a.lParam), HIWORD(a.wParam)); \
                 return true;)
#define ON_WM_ENABLE() \
    TF_MAP_ENTRY(Message, WM_ENABLE, 0, 0, 0, self->OnEnable(static_cast<BOOL>(a.wParam)); return true;)
#define ON_WM_CANCELMODE() TF_MAP_ENTRY(Message, WM_CANCELMODE, 0, 0, 0, self->OnCancelMode(); return true;)
#define ON_WM_SETFOCUS() TF_MAP_ENTRY(Message, WM_SETFOCUS, 0, 0, 0, self->OnSetFocus(TF_WND(a.wParam)); return true;)
#define ON_WM_KILLFOCUS() \
    TF_MAP_ENTRY(Message, WM_KILLFOCUS, 0, 0, 0, self->OnKillFocus(TF_WND(a.wParam)); return true;)
#define ON_WM_SETCURSOR()                                                                            \
    TF_MAP_ENTRY(Message, WM_SETCURSOR, 0, 0, 0,                                                     \
                 a.result = self->OnSetCursor(TF_WND(a.wParam), LOWORD(a.lParam), HIWORD(a.lParam)); \
                 return true;)
#define ON_WM_GETDLGCODE() TF_MAP_ENTRY(Message, WM_GETDLGCODE, 0, 0, 0, a.result = self->OnGetDlgCode(); return true;)
#define ON_WM_SYSCOLORCHANGE() TF_MAP_ENTRY(Message, WM_SYSCOLORCHANGE, 0, 0, 0, self->OnSysColorChange(); return true;)
#define ON_WM_QUERYDRAGICON()                                                                                       \
    TF_MAP_ENTRY(Message, WM_QUERYDRAGICON, 0, 0, 0, a.result = reinterpret_cast<LRESULT>(self->OnQueryDragIcon()); \
                 return true;)
#define ON_WM_HOTKEY()                                                                            \
    TF_MAP_ENTRY(Message, WM_HOTKEY, 0, 0, 0,                                                     \
                 self->OnHotKey(static_cast<UINT>(a.wParam), LOWORD(a.lParam), HIWORD(a.lParam)); \
                 return true;)
#define ON_WM_CONTEXTMENU() \
    TF_MAP_ENTRY(Message, WM_CONTEXTMENU, 0, 0, 0, self->OnContextMenu(TF_WND(a.wParam), TF_PT(a.lParam)); return true;)
#define ON_WM_NCHITTEST() \
    TF_MAP_ENTRY(Message, WM_NCHITTEST, 0, 0, 0, a.result = self->OnNcHitTest(TF_PT(a.lParam)); return true;)
#define ON_WM_SYSCOMMAND()                                                                                   \
    TF_MAP_ENTRY(Message, WM_SYSCOMMAND, 0, 0, 0, self->OnSysCommand(static_cast<UINT>(a.wParam), a.lParam); \
                 return true;)
#define TF_MOUSE_ENTRY(message, fn) \
    TF_MAP_ENTRY(Message, message, 0, 0, 0, self->fn(static_cast<UINT>(a.wParam), TF_PT(a.lParam)); return true;)
#define ON_WM_MOUSEMOVE() TF_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() TF_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() TF_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() TF_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() TF_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() TF_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_MOUSEHOVER() TF_MOUSE_ENTRY(WM_MOUSEHOVER, OnMouseHover)
#define ON_WM_MOUSELEAVE() TF_MAP_ENTRY(Message, WM_MOUSELEAVE, 0, 0, 0, self->OnMouseLeave(); return true;)
#define TF_KEY_ENTRY(message, fn)                                                                                      \
    TF_MAP_ENTRY(Message, message, 0, 0, 0, self->fn(static_cast<UINT>(a.wParam), LOWORD(a.lParam), HIWORD(a.lParam)); \
                 return true;)
#define ON_WM_CHAR() TF_KEY_ENTRY(WM_CHAR, OnChar)
#define ON_WM_KEYDOWN() TF_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() TF_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_SYSKEYDOWN() TF_KEY_ENTRY(WM_SYSKEYDOWN, OnSysKeyDown)
#define TF_SCROLL_ENTRY(message, fn)                                                                               \
    TF_MAP_ENTRY(Message, message, 0, 0, 0, self->fn(LOWORD(a.wParam), (short)HIWORD(a.wParam), TF_WND(a.lParam)); \
                 return true;)
#define ON_WM_VSCROLL() TF_SCROLL_ENTRY(WM_VSCROLL, OnVScroll)
#define ON_WM_HSCROLL() TF_SCROLL_ENTRY(WM_HSCROLL, OnHScroll)
#define ON_WM_DRAWITEM()                                                                                     \
    TF_MAP_ENTRY(Message, WM_DRAWITEM, 0, 0, 0,                                                              \
                 self->OnDrawItem(static_cast<int>(a.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(a.lParam)); \
                 a.result = TRUE; return true;)
#define ON_WM_MEASUREITEM()                                                                                        \
    TF_MAP_ENTRY(Message, WM_MEASUREITEM, 0, 0, 0,                                                                 \
                 self->OnMeasureItem(static_cast<int>(a.wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(a.lParam)); \
                 a.result = TRUE; return true;)
#define ON_WM_MENUCHAR()                                                                            \
    TF_MAP_ENTRY(Message, WM_MENUCHAR, 0, 0, 0,                                                     \
                 a.result = self->OnMenuChar(LOWORD(a.wParam), HIWORD(a.wParam),                    \
                                             CMenu::FromHandle(reinterpret_cast<HMENU>(a.lParam))); \
                 return true;)
#define TF_CTLCOLOR_ENTRY(message, type)                                                                          \
    TF_MAP_ENTRY(Message, message, 0, 0, 0,                                                                       \
                 a.result = reinterpret_cast<LRESULT>(                                                            \
                     self->OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(a.wParam)), TF_WND(a.lParam), type)); \
                 return true;)
// HBRUSH OnCtlColor(CDC*, CWnd* control, UINT ctlType), for every kind of control.
#define ON_WM_CTLCOLOR()                                        \
    TF_CTLCOLOR_ENTRY(WM_CTLCOLOREDIT, CTLCOLOR_EDIT)           \
    TF_CTLCOLOR_ENTRY(WM_CTLCOLORLISTBOX, CTLCOLOR_LISTBOX)     \
    TF_CTLCOLOR_ENTRY(WM_CTLCOLORBTN, CTLCOLOR_BTN)             \
    TF_CTLCOLOR_ENTRY(WM_CTLCOLORDLG, CTLCOLOR_DLG)             \
    TF_CTLCOLOR_ENTRY(WM_CTLCOLORSCROLLBAR, CTLCOLOR_SCROLLBAR) \
    TF_CTLCOLOR_ENTRY(WM_CTLCOLORSTATIC, CTLCOLOR_STATIC)       \
    TF_CTLCOLOR_ENTRY(WM_CTLCOLORMSGBOX, CTLCOLOR_MSGBOX)
