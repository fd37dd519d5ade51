#include "engine/builtins/ControlBuiltins.h"

#include "engine/system/PreciseSleep.h"
#include "engine/ScriptText.h"
#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/CBuiltinState.h"
#include "engine/builtins/StatusBarText.h"
#include "engine/builtins/WindowBuiltinSupport.h"
#include "engine/builtins/WindowThreadAttach.h"

#include <vector>

namespace {

const int kControlTextChars = 32767;
const char kStatusBarControl[] = "msctls_statusbar321";

HWND FoundControl(CMarionet_Script& engine)
{
    return WindowSearchOf(engine).FoundControl();
}

struct ButtonMessages
{
    UINT down;
    UINT up;
    WPARAM flag;
};

ButtonMessages ButtonOfArguments(CScriptValueList& args)
{
    if (args.GetCount() >= 4) {
        if (ScriptCompareNoCase(args[3].GetText(), "RIGHT") == 0)
            return {WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON};
        if (ScriptCompareNoCase(args[3].GetText(), "MIDDLE") == 0)
            return {WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON};
    }
    return {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON};
}

// The control of the arguments, attached, given to the action; result 0 when
// it is not found or its window does not answer.
template <class Action>
int WithControl(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result, Action action)
{
    if (!FindControlOfArguments(engine, args)) {
        result.SetInteger(0);
        return 0;
    }
    CWindowThreadAttach attach(WindowSearchOf(engine).FoundWindow());
    if (!attach.Answers()) {
        result.SetInteger(0);
        return 0;
    }
    action(FoundControl(engine));
    return 0;
}

int ControlClick(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    if (!FindControlOfArguments(engine, args)) {
        result.SetInteger(0);
        return 0;
    }
    HWND control = FoundControl(engine);
    CWindowThreadAttach attach(WindowSearchOf(engine).FoundWindow());
    SetActiveWindow(WindowSearchOf(engine).FoundWindow());
    LPARAM centre = CentreOfWindow(control);
    int clicks = args.GetCount() == 5 ? args[4].GetInteger() : 1;
    ButtonMessages button = ButtonOfArguments(args);
    for (int i = 0; i < clicks; ++i) {
        PostMessageA(control, button.down, button.flag, centre);
        PostMessageA(control, button.up, 0, centre);
        PreciseSleep(engine.m_nMouseClickDelay);
    }
    return 0;
}

int ControlSend(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    if (!FindControlOfArguments(engine, args)) {
        result.SetInteger(0);
        return 0;
    }
    CKeySender& sender = BuiltinState(engine).m_KeySender;
    if (args.GetCount() == 5 && args[4].GetInteger() != 0)
        sender.SendRaw(args[3].GetText(), FoundControl(engine));
    else
        sender.Send(args[3].GetText(), FoundControl(engine));
    return 0;
}

int ControlSetText(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WithControl(engine, args, result, [&](HWND control) {
        LRESULT set = 0;
        SendMessageGuarded(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[3].GetText()), set);
        result.SetInteger(set == 1 ? 1 : 0);
    });
}

int ControlGetText(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    result.SetString("");
    if (!FindControlOfArguments(engine, args)) {
        engine.SetErrorCode(1);
        return 0;
    }
    CWindowThreadAttach attach(WindowSearchOf(engine).FoundWindow());
    std::vector<char> text(kControlTextChars + 1, '\0');
    LRESULT length = 0;
    if (attach.Answers())
        SendMessageGuarded(FoundControl(engine), WM_GETTEXT, kControlTextChars, reinterpret_cast<LPARAM>(text.data()),
                           length);
    if (length == 0)
        engine.SetErrorCode(1);
    else
        result.SetString(text.data());
    return 0;
}

int ControlFocus(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WithControl(engine, args, result, [&](HWND control) { result.SetInteger(SetFocus(control) ? 1 : 0); });
}

int ControlGetPos(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    if (!FindControlOfArguments(engine, args)) {
        engine.SetErrorCode(1);
        return 0;
    }
    CWindowThreadAttach attach(WindowSearchOf(engine).FoundWindow());
    RECT rect;
    if (!GetWindowRect(FoundControl(engine), &rect)) {
        engine.SetErrorCode(1);
        return 0;
    }
    POINT topLeft = {rect.left, rect.top};
    ScreenToClient(WindowSearchOf(engine).FoundWindow(), &topLeft);
    SetIntegerArray(result, {topLeft.x, topLeft.y, rect.right - rect.left, rect.bottom - rect.top});
    return 0;
}

int ControlMove(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WithControl(engine, args, result, [&](HWND control) {
        RECT rect;
        if (!GetWindowRect(control, &rect)) {
            result.SetInteger(0);
            return;
        }
        const int width = args.GetCount() >= 6 ? args[5].GetInteger() : rect.right - rect.left;
        const int height = args.GetCount() >= 7 ? args[6].GetInteger() : rect.bottom - rect.top;
        MoveWindow(control, args[3].GetInteger(), args[4].GetInteger(), width, height, TRUE);
    });
}

int ControlEnable(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WithControl(engine, args, result, [](HWND control) { EnableWindow(control, TRUE); });
}

int ControlDisable(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WithControl(engine, args, result, [](HWND control) { EnableWindow(control, FALSE); });
}

int ControlShow(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WithControl(engine, args, result, [](HWND control) { ShowWindow(control, SW_SHOWNOACTIVATE); });
}

int ControlHide(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WithControl(engine, args, result, [](HWND control) { ShowWindow(control, SW_HIDE); });
}

int StatusBarGetText(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    result.SetString("");
    const char* text = args.GetCount() >= 2 ? args[1].GetText() : "";
    if (!WindowSearchOf(engine).FindSearchedControl(args[0].GetText(), text, kStatusBarControl,
                                                    WindowSearchOptionsOf(engine))) {
        engine.SetErrorCode(1);
        return 0;
    }
    HWND bar = FoundControl(engine);
    int part = args.GetCount() == 3 ? args[2].GetInteger() : 1;
    std::string partText;
    if (part < 1 || part > StatusBarPartCount(bar) || !ReadStatusBarPart(bar, part - 1, partText)) {
        engine.SetErrorCode(1);
        return 0;
    }
    result.SetString(partText.c_str(), static_cast<int>(partText.size()));
    return 0;
}

}  // namespace

void RegisterControlBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"CONTROLCLICK", ControlClick},     {"CONTROLSEND", ControlSend},     {"CONTROLSETTEXT", ControlSetText},
        {"CONTROLGETTEXT", ControlGetText}, {"CONTROLFOCUS", ControlFocus},   {"CONTROLGETPOS", ControlGetPos},
        {"CONTROLMOVE", ControlMove},       {"CONTROLENABLE", ControlEnable}, {"CONTROLDISABLE", ControlDisable},
        {"CONTROLSHOW", ControlShow},       {"CONTROLHIDE", ControlHide},     {"STATUSBARGETTEXT", StatusBarGetText},
    };
    BindBuiltins(engine, kBindings);
}
