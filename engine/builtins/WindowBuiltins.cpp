#include "engine/builtins/WindowBuiltins.h"

#include "engine/system/SystemProcess.h"
#include "engine/system/SystemWindows.h"
#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/ForceForeground.h"
#include "engine/builtins/WindowBuiltinSupport.h"

#include <vector>

namespace {

const int kTitleChars = 32767;

HWND Found(CMarionet_Script& engine)
{
    return WindowSearchOf(engine).FoundWindow();
}

// For built-ins that send to the window: a window that does not answer is
// left alone and gives the result of a window not found.
bool FindAnsweringWindow(CMarionet_Script& engine, CScriptValueList& args)
{
    return FindWindowOfArguments(engine, args) && !IsWindowHung(Found(engine));
}

int WinExists(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    result.SetInteger(FindWindowOfArguments(engine, args) ? 1 : 0);
    return 0;
}

int WinActive(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    bool active = FindWindowOfArguments(engine, args) && Found(engine) == GetForegroundWindow();
    result.SetInteger(active ? 1 : 0);
    return 0;
}

// The action on the window found, then the pause after a window action;
// nothing when no window was found.
template <class Action>
int ActOnFoundWindow(CMarionet_Script& engine, bool bFound, Action action)
{
    if (bFound) {
        action(Found(engine));
        PauseAfterWindowAction(engine);
    }
    return 0;
}

int WinActivate(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    return ActOnFoundWindow(engine, FindWindowOfArguments(engine, args), ForceForeground);
}

int WinSetState(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    return ActOnFoundWindow(engine, FindAnsweringWindow(engine, args),
                            [&](HWND window) { ShowWindow(window, args[2].GetInteger()); });
}

int WinMove(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    return ActOnFoundWindow(engine, FindAnsweringWindow(engine, args), [&](HWND window) {
        RECT rect = {};
        GetWindowRect(window, &rect);
        const int width = args.GetCount() >= 5 ? args[4].GetInteger() : rect.right - rect.left;
        const int height = args.GetCount() >= 6 ? args[5].GetInteger() : rect.bottom - rect.top;
        MoveWindow(window, args[2].GetInteger(), args[3].GetInteger(), width, height, TRUE);
    });
}

int WinClose(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    return ActOnFoundWindow(engine, FindWindowOfArguments(engine, args),
                            [](HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); });
}

int WinKill(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    return ActOnFoundWindow(engine, FindWindowOfArguments(engine, args), CloseWindowOrKill);
}

int WinSetTitle(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    if (FindAnsweringWindow(engine, args))
        SetWindowTextA(Found(engine), args[2].GetText());
    return 0;
}

int WinSetOnTop(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    if (FindAnsweringWindow(engine, args)) {
        HWND order = args[2].GetInteger() == 1 ? HWND_TOPMOST : HWND_NOTOPMOST;
        SetWindowPos(Found(engine), order, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    }
    return 0;
}

int WinGetTitle(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    if (FindWindowOfArguments(engine, args)) {
        std::vector<char> title(kTitleChars + 1, '\0');
        GetWindowTextA(Found(engine), title.data(), kTitleChars);
        result.SetString(title.data());
    }
    return 0;
}

int WinGetText(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    if (FindAnsweringWindow(engine, args))
        result.SetString(GetWindowTextList(Found(engine), engine.m_bWinDetectHiddenText != 0).c_str());
    return 0;
}

int WinGetClassList(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    if (FindWindowOfArguments(engine, args))
        result.SetString(GetWindowClassList(Found(engine)).c_str());
    else
        engine.SetErrorCode(1);
    return 0;
}

int WinGetPos(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    RECT rect;
    if (FindWindowOfArguments(engine, args) && GetWindowRect(Found(engine), &rect))
        SetIntegerArray(result, {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
    else
        engine.SetErrorCode(1);
    return 0;
}

int WinGetClientSize(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    RECT rect;
    if (FindWindowOfArguments(engine, args) && GetClientRect(Found(engine), &rect))
        SetIntegerArray(result, {rect.right - rect.left, rect.bottom - rect.top});
    else
        engine.SetErrorCode(1);
    return 0;
}

int WinGetHandle(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    if (FindWindowOfArguments(engine, args)) {
        result.SetString(FormatWindowHandle(Found(engine)).c_str());
    } else {
        result.SetString("");
        engine.SetErrorCode(1);
    }
    return 0;
}

int WinGetState(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    if (!FindWindowOfArguments(engine, args)) {
        result.SetInteger(0);
        engine.SetErrorCode(1);
        return 0;
    }
    HWND window = Found(engine);
    int state = 1;
    if (IsWindowVisible(window))
        state |= 2;
    if (IsWindowEnabled(window))
        state |= 4;
    if (GetForegroundWindow() == window)
        state |= 8;
    if (IsIconic(window))
        state |= 16;
    if (IsZoomed(window))
        state |= 32;
    result.SetInteger(state);
    return 0;
}

int ControlGetFocus(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    std::string name;
    if (FindWindowOfArguments(engine, args) && WindowSearchOf(engine).GetFocusedControlName(Found(engine), name))
        result.SetString(name.c_str());
    else
        engine.SetErrorCode(1);
    return 0;
}

}  // namespace

void RegisterWindowBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"WINEXISTS", WinExists},
        {"WINACTIVE", WinActive},
        {"WINACTIVATE", WinActivate},
        {"WINSETSTATE", WinSetState},
        {"WINSHOW", WinSetState},
        {"WINMOVE", WinMove},
        {"WINCLOSE", WinClose},
        {"WINKILL", WinKill},
        {"WINSETTITLE", WinSetTitle},
        {"WINSETONTOP", WinSetOnTop},
        {"WINGETTITLE", WinGetTitle},
        {"WINGETTEXT", WinGetText},
        {"WINGETCLASSLIST", WinGetClassList},
        {"WINGETPOS", WinGetPos},
        {"WINGETCLIENTSIZE", WinGetClientSize},
        {"WINGETHANDLE", WinGetHandle},
        {"WINGETSTATE", WinGetState},
        {"CONTROLGETFOCUS", ControlGetFocus},
    };
    BindBuiltins(engine, kBindings);
}
