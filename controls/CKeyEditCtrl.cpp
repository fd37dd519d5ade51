#include "controls/CKeyEditCtrl.h"

namespace {

struct CodeRange
{
    UINT first;
    UINT last;
};

// clang-format off
const CodeRange kRefusedHotkeys[] = {
    {3, 3}, {5, 6}, {8, 9}, {12, 13}, {19, 21}, {23, 23}, {25, 25}, {27, 31}, {33, 34},
    {42, 44}, {46, 47}, {91, 93}, {95, 105}, {144, 144}, {146, 150}, {166, 183},
    {225, 231}, {233, 236}, {239, 251}, {253, 254},
};
// clang-format on

// Most modifiers first; the first entry whose modifiers are all held gives the prefix.
struct Prefix
{
    UINT modifiers;
    const char* text;
};

const Prefix kPrefixes[] = {
    {CKeyEditCtrl::MOD_CTRL_KEY | CKeyEditCtrl::MOD_SHIFT_KEY | CKeyEditCtrl::MOD_ALT_KEY, "Ctrl + Shift + Alt + "},
    {CKeyEditCtrl::MOD_CTRL_KEY | CKeyEditCtrl::MOD_SHIFT_KEY, "Ctrl + Shift + "},
    {CKeyEditCtrl::MOD_CTRL_KEY | CKeyEditCtrl::MOD_ALT_KEY, "Ctrl + Alt + "},
    {CKeyEditCtrl::MOD_CTRL_KEY, "Ctrl + "},
    {CKeyEditCtrl::MOD_SHIFT_KEY | CKeyEditCtrl::MOD_ALT_KEY, "Shift + Alt + "},
    {CKeyEditCtrl::MOD_SHIFT_KEY, "Shift + "},
    {CKeyEditCtrl::MOD_ALT_KEY, "Alt + "},
};

UINT HeldModifiers()
{
    UINT held = 0;
    if (::GetKeyState(VK_CONTROL) & 0x8000)
        held |= CKeyEditCtrl::MOD_CTRL_KEY;
    if (::GetKeyState(VK_SHIFT) & 0x8000)
        held |= CKeyEditCtrl::MOD_SHIFT_KEY;
    if (::GetKeyState(VK_MENU) & 0x8000)
        held |= CKeyEditCtrl::MOD_ALT_KEY;
    return held;
}

}  // namespace

BEGIN_MESSAGE_MAP(CKeyEditCtrl, CEdit)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
END_MESSAGE_MAP()

bool CKeyEditCtrl::IsRefusedHotkey(UINT code)
{
    for (const CodeRange& range : kRefusedHotkeys) {
        if (code >= range.first && code <= range.last)
            return true;
    }
    return false;
}

CString CKeyEditCtrl::ComposeText(UINT code, BOOL hotkeyMode, UINT modifiers, const CString& keyName)
{
    if (!hotkeyMode)
        return keyName;
    if (IsRefusedHotkey(code))
        return "None";
    const bool isModifier = code == VK_SHIFT || code == VK_CONTROL || code == VK_MENU;
    CString text;
    for (const Prefix& prefix : kPrefixes) {
        if ((modifiers & prefix.modifiers) == prefix.modifiers) {
            text = prefix.text;
            break;
        }
    }
    if (!isModifier)
        text += keyName;
    return text;
}

BOOL CKeyEditCtrl::PreTranslateMessage(MSG* msg)
{
    if (msg->hwnd == m_hWnd && (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN)) {
        const UINT code = static_cast<UINT>(msg->wParam);
        const CString name = m_fnKeyName ? m_fnKeyName(code) : CString();
        SetWindowText(ComposeText(code, m_bHotkeyMode, HeldModifiers(), name));
    }
    // The key goes on through the dialog, so Tab, Enter and Escape still navigate.
    return CEdit::PreTranslateMessage(msg);
}
