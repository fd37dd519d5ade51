#pragma once

#include "framework/CString.h"

// A hotkey text as the key box shows it ("Ctrl + Shift + <F11>", modifiers in
// the fixed order Ctrl, Shift, Alt) in the engine's notation ("^+<F11>"):
// "^" Ctrl, "+" Shift, "!" Alt, then the key name unchanged. A text without
// a leading modifier, "None" included, comes back unchanged.
CString HotkeyTextToScriptNotation(const CString& hotkeyText);

// True when the text is modifiers with no key ("Ctrl + Alt + "), in any
// letter case.
bool IsModifiersOnly(const CString& hotkeyText);
