#pragma once

#include <windows.h>

#include "framework/CString.h"

#include <map>
#include <string>

// The identifiers of the hotkey texts that robots hold, computed once a text
// and kept: registering, withdrawing and matching a press then cost a look-up
// instead of a walk of the key-name table and an atom call. A robot whose keys
// change brings a new text, which is computed when it is first asked for.
class CHotkeyIdentifierCache
{
public:
    // As GetHotKeyIdentifier: 0, with nothing set, for a text that names no
    // single key.
    WORD Get(const CString& hotkeyText, UINT& modifiers, UINT& virtualKey);

private:
    struct Identifier
    {
        WORD id = 0;
        UINT modifiers = 0;
        UINT virtualKey = 0;
    };
    // Keyed by the text as written: equal texts give equal identifiers.
    std::map<std::string, Identifier, std::less<>> m_mapIdentifiers;
};
