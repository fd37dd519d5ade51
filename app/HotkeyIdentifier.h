#pragma once

#include <windows.h>

#include "framework/CString.h"

// How a robot's hotkey text becomes a global hotkey: its identifier is the
// global atom of its script notation in lower case, so equal keys always give
// equal identifiers whichever robot holds them.

// Splits a notation into the modifier characters at its start ("!" Alt,
// "#" Win, "+" Shift, "^" Ctrl, in any order and number, read as the key
// sender's parser reads them) and the key part after them. The modifiers are
// the hotkey registration flags (MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN).
void SplitHotkeyNotation(const CString& notation, UINT& modifiers, CString& keyPart);

// The virtual key of a name of the key-name table compared without regard to
// case ("<prior>", "a", "<f13>"); 0 when the text is not one key name.
unsigned KeyTableCodeNoCase(const CString& keyName);

// The identifier of a hotkey text ("Ctrl + Shift + <F11>"): ORs the
// registration flags into modifiers and sets the virtual key. 0, with nothing
// set, when the text is "None" or does not end in exactly one key name.
WORD GetHotKeyIdentifier(const CString& hotkeyText, UINT& modifiers, UINT& virtualKey);
