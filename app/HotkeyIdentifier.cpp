#include "app/HotkeyIdentifier.h"

#include "engine/builtins/CKeySender.h"
#include "robot/HotkeyNotation.h"
#include "robot/KeyNames.h"

namespace {

const unsigned kHighestKeyCode = 254;

UINT ModifierOfCharacter(char c)
{
    switch (c) {
    case '!':
        return MOD_ALT;
    case '#':
        return MOD_WIN;
    case '+':
        return MOD_SHIFT;
    case '^':
        return MOD_CONTROL;
    default:
        return 0;
    }
}

}  // namespace

void SplitHotkeyNotation(const CString& notation, UINT& modifiers, CString& keyPart)
{
    modifiers = 0;
    int i = 0;
    while (i < notation.GetLength() && ModifierOfCharacter(notation[i]) != 0)
        modifiers |= ModifierOfCharacter(notation[i++]);
    keyPart = notation.Mid(i);
}

unsigned KeyTableCodeNoCase(const CString& keyName)
{
    if (keyName.IsEmpty())
        return 0;
    for (unsigned code = 1; code <= kHighestKeyCode; ++code) {
        CString name = VirtualKeyToKeyName(code);
        if (!name.IsEmpty() && name.CompareNoCase(keyName) == 0)
            return code;
    }
    return 0;
}

WORD GetHotKeyIdentifier(const CString& hotkeyText, UINT& modifiers, UINT& virtualKey)
{
    CString notation = HotkeyTextToScriptNotation(hotkeyText);
    notation.MakeLower();
    UINT prefixModifiers = 0;
    CString keyPart;
    SplitHotkeyNotation(notation, prefixModifiers, keyPart);
    const unsigned tableKey = KeyTableCodeNoCase(keyPart);
    if (tableKey == 0)
        return 0;
    int key = 0, shift = 0, ctrl = 0, alt = 0, win = 0;
    if (CKeySender::ParseHotkey(notation, key, shift, ctrl, alt, win)) {
        modifiers |= (shift ? MOD_SHIFT : 0) | (ctrl ? MOD_CONTROL : 0) | (alt ? MOD_ALT : 0) | (win ? MOD_WIN : 0);
        virtualKey = static_cast<UINT>(key);
    } else {
        // Names the sender's own table lacks ("<prior>", "<f13>", the number
        // pad) still stand for their key.
        modifiers |= prefixModifiers;
        virtualKey = tableKey;
    }
    return GlobalAddAtomA(notation);
}
