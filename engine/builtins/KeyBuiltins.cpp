#include "engine/builtins/KeyBuiltins.h"

#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/CBuiltinState.h"
#include "engine/builtins/WindowBuiltinSupport.h"
#include "robot/KeyNames.h"
#include "robot/NumberText.h"

namespace {

CKeySender& SenderOf(CMarionet_Script& engine)
{
    return BuiltinState(engine).m_KeySender;
}

// The key of argument 4; 0 for a name the key table does not know, which
// presses nothing.
BYTE KeyOfArguments(CScriptValueList& args)
{
    return static_cast<BYTE>(KeyNameToVirtualKey(CString(args[3].GetText())));
}

int Send(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    if (args.GetCount() == 2 && args[1].GetInteger() != 0)
        SenderOf(engine).SendRaw(args[0].GetText());
    else
        SenderOf(engine).Send(args[0].GetText());
    return 0;
}

int KeySend(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    if (!FindControlOfArguments(engine, args)) {
        result.SetInteger(0);
        return 0;
    }
    int count = 1;
    if (args.GetCount() >= 5 && !args[4].GetString().IsEmpty())
        count = StringToInt(CString(args[4].GetText()));
    BYTE key = KeyOfArguments(args);
    if (key == 0)
        return 0;
    for (int i = 0; i < count; ++i)
        SenderOf(engine).PressKey(key, false);
    return 0;
}

// One key release or press of argument 4 in the found window or control.
int SingleKeyEvent(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result, bool down)
{
    if (!FindControlOfArguments(engine, args)) {
        result.SetInteger(0);
        return 0;
    }
    if (BYTE key = KeyOfArguments(args)) {
        if (down)
            SenderOf(engine).KeyDown(key, false);
        else
            SenderOf(engine).KeyUp(key, false);
    }
    return 0;
}

int KeyUp(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return SingleKeyEvent(engine, args, result, false);
}

int KeyDown(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return SingleKeyEvent(engine, args, result, true);
}

}  // namespace

void RegisterKeyBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"SEND", Send},
        {"KEYSEND", KeySend},
        {"KEYUP", KeyUp},
        {"KEYDOWN", KeyDown},
    };
    BindBuiltins(engine, kBindings);
}
