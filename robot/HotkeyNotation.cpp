#include "robot/HotkeyNotation.h"

#include <cstring>

namespace {
struct ModifierPrefix
{
    const char* text;
    const char* notation;
};

// Longest combinations first, so that several modifiers are never taken for
// one.
const ModifierPrefix kPrefixes[] = {
    {"Ctrl + Shift + Alt + ", "^+!"},
    {"Ctrl + Shift + ", "^+"},
    {"Ctrl + Alt + ", "^!"},
    {"Shift + Alt + ", "+!"},
    {"Ctrl + ", "^"},
    {"Shift + ", "+"},
    {"Alt + ", "!"},
};
}  // namespace

CString HotkeyTextToScriptNotation(const CString& hotkeyText)
{
    for (const ModifierPrefix& prefix : kPrefixes) {
        const int length = static_cast<int>(std::strlen(prefix.text));
        if (hotkeyText.Left(length) == prefix.text)
            return prefix.notation + hotkeyText.Mid(length);
    }
    return hotkeyText;
}

bool IsModifiersOnly(const CString& hotkeyText)
{
    for (const ModifierPrefix& prefix : kPrefixes) {
        if (hotkeyText.CompareNoCase(prefix.text) == 0)
            return true;
    }
    return false;
}
