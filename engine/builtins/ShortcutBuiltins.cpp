#include "engine/builtins/ShortcutBuiltins.h"

#include "engine/ScriptArrays.h"
#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/BuiltinResult.h"
#include "engine/builtins/CKeySender.h"
#include "engine/system/SystemShortcuts.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

// The link's hotkey: always Ctrl+Alt, with Shift when the notation has it.
std::optional<WORD> HotkeyOf(CScriptValue& argument)
{
    int vk = 0;
    int shift = 0;
    int ctrl = 0;
    int alt = 0;
    int win = 0;
    if (!argument.IsTrue() || !CKeySender::ParseHotkey(argument.GetText(), vk, shift, ctrl, alt, win))
        return std::nullopt;
    const BYTE modifiers = HOTKEYF_CONTROL | HOTKEYF_ALT | (shift ? HOTKEYF_SHIFT : 0);
    return static_cast<WORD>(MAKEWORD(vk, modifiers));
}

int FileCreateShortcut(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    const int nCount = args.GetCount();
    auto text = [&args, nCount](int nIndex) -> std::optional<std::string> {
        if (nIndex >= nCount)
            return std::nullopt;
        return std::string(args[nIndex].GetText());
    };
    CShortcutFields fields;
    fields.m_strTarget = args[0].GetText();
    fields.m_strWorkingDir = text(2);
    fields.m_strArguments = text(3);
    fields.m_strDescription = text(4);
    fields.m_strIconFile = text(5);
    if (nCount > 6)
        fields.m_wHotkey = HotkeyOf(args[6]);
    if (nCount > 7)
        fields.m_nIconIndex = args[7].GetInteger();
    if (nCount > 8)
        fields.m_nShowCmd = args[8].GetInteger();
    return ZeroUnless(CreateShortcut(LinkFileName(args[1].GetText()), fields), result);
}

int FileGetShortcut(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    const std::string link = LinkFileName(args[0].GetText());
    CShortcutFields fields;
    if (GetFileAttributesA(link.c_str()) == INVALID_FILE_ATTRIBUTES || !ReadShortcut(link, fields)) {
        engine.SetErrorCode(1);
        return 0;
    }
    if (SetStringArray(result, {fields.m_strTarget, *fields.m_strWorkingDir, *fields.m_strArguments,
                                *fields.m_strDescription, *fields.m_strIconFile, "", ""})) {
        ArrayElement1D(result, 5)->SetInteger(*fields.m_nIconIndex);
        ArrayElement1D(result, 6)->SetInteger(*fields.m_nShowCmd);
    }
    return 0;
}

}  // namespace

void RegisterShortcutBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"FILECREATESHORTCUT", FileCreateShortcut},
        {"FILEGETSHORTCUT", FileGetShortcut},
    };
    BindBuiltins(engine, kBindings);
}
