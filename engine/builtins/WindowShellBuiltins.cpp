#include "engine/builtins/WindowShellBuiltins.h"

#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/WindowBuiltinSupport.h"
#include "engine/builtins/WindowThreadAttach.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

namespace {

const int kMenuTextChars = 32767;
const WPARAM kMinimizeAllCommand = 419;
const WPARAM kMinimizeAllUndoCommand = 416;

// The position of the first item whose text begins with the wanted text; -1
// when there is none.
int FindMenuItem(HMENU menu, const char* wanted)
{
    int count = GetMenuItemCount(menu);
    std::vector<char> text(kMenuTextChars + 1);
    size_t length = std::strlen(wanted);
    for (int position = 0; position < count; ++position) {
        text[0] = '\0';
        GetMenuStringA(menu, position, text.data(), kMenuTextChars, MF_BYPOSITION);
        if (std::strncmp(text.data(), wanted, length) == 0)
            return position;
    }
    return -1;
}

// The command id of the item path of arguments 3 onwards; -1 when a step fails.
UINT MenuCommandOf(HMENU menu, CScriptValueList& args)
{
    for (int i = 2; i < args.GetCount(); ++i) {
        int position = FindMenuItem(menu, args[i].GetText());
        if (position < 0)
            return static_cast<UINT>(-1);
        if (i == args.GetCount() - 1)
            return GetMenuItemID(menu, position);
        menu = GetSubMenu(menu, position);
        if (!menu)
            return static_cast<UINT>(-1);
    }
    return static_cast<UINT>(-1);
}

int WinMenuSelectItem(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    result.SetInteger(0);
    if (!FindWindowOfArguments(engine, args))
        return 0;
    HWND window = WindowSearchOf(engine).FoundWindow();
    HMENU menu = GetMenu(window);
    if (!menu)
        return 0;
    UINT id = MenuCommandOf(menu, args);
    if (id == static_cast<UINT>(-1))
        return 0;
    CWindowThreadAttach attach(window);
    PostMessageA(window, WM_COMMAND, id, 0);
    result.SetInteger(1);
    return 0;
}

int WinGetCaretPos(CMarionet_Script& engine, CScriptValueList&, CScriptValue& result)
{
    HWND foreground = GetForegroundWindow();
    CWindowThreadAttach attach(foreground);
    POINT caret;
    if (!GetCaretPos(&caret)) {
        engine.SetErrorCode(1);
        return 0;
    }
    if (engine.m_bCaretCoordMode == 1)
        ClientToScreen(foreground, &caret);
    SetIntegerArray(result, {caret.x, caret.y});
    return 0;
}

void PostToTaskbar(CMarionet_Script& engine, WPARAM command)
{
    if (HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr))
        PostMessageA(taskbar, WM_COMMAND, command, 0);
    PauseAfterWindowAction(engine);
}

int WinMinimizeAll(CMarionet_Script& engine, CScriptValueList&, CScriptValue&)
{
    PostToTaskbar(engine, kMinimizeAllCommand);
    return 0;
}

int WinMinimizeAllUndo(CMarionet_Script& engine, CScriptValueList&, CScriptValue&)
{
    PostToTaskbar(engine, kMinimizeAllUndoCommand);
    return 0;
}

// The tooltip takes the whole record, reserved field included, and reads its
// size field to tell which fields it may touch.
static_assert(sizeof(void*) != 4 || sizeof(TOOLINFOA) == 48, "the 32-bit tool record is 48 bytes");

int ToolTip(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    POINT at = {0, 0};
    GetCursorPos(&at);
    at.x += 16;
    at.y += 16;
    if (args.GetCount() >= 2)
        at.x = args[1].GetInteger();
    if (args.GetCount() >= 3)
        at.y = args[2].GetInteger();

    CScriptString text = args[0].GetString();
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.lpszText = text.GetBuffer();
    if (engine.m_hToolTip) {
        SendMessageA(engine.m_hToolTip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES};
        InitCommonControlsEx(&classes);
        engine.m_hToolTip =
            CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
        if (!engine.m_hToolTip)
            return 0;
        SendMessageA(engine.m_hToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        RECT desktop = {};
        GetWindowRect(GetDesktopWindow(), &desktop);
        SendMessageA(engine.m_hToolTip, TTM_SETMAXTIPWIDTH, 0, desktop.right - desktop.left);
    }
    SendMessageA(engine.m_hToolTip, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    SendMessageA(engine.m_hToolTip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    return 0;
}

}  // namespace

void RegisterWindowShellBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"WINMENUSELECTITEM", WinMenuSelectItem},
        {"WINGETCARETPOS", WinGetCaretPos},
        {"WINMINIMIZEALL", WinMinimizeAll},
        {"WINMINIMIZEALLUNDO", WinMinimizeAllUndo},
        {"TOOLTIP", ToolTip},
    };
    BindBuiltins(engine, kBindings);
}
