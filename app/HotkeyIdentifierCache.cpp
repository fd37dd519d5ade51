#include "app/HotkeyIdentifierCache.h"

#include "app/HotkeyIdentifier.h"

WORD CHotkeyIdentifierCache::Get(const CString& hotkeyText, UINT& modifiers, UINT& virtualKey)
{
    auto found = m_mapIdentifiers.find(hotkeyText.GetString());
    if (found == m_mapIdentifiers.end()) {
        Identifier identifier;
        identifier.id = GetHotKeyIdentifier(hotkeyText, identifier.modifiers, identifier.virtualKey);
        found = m_mapIdentifiers.emplace(hotkeyText.GetString(), identifier).first;
    }
    const Identifier& identifier = found->second;
    if (identifier.id != 0) {
        modifiers |= identifier.modifiers;
        virtualKey = identifier.virtualKey;
    }
    return identifier.id;
}
