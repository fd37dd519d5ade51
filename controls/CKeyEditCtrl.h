#pragma once

#include "framework/CEdit.h"
#include "framework/CString.h"

#include <functional>

// An edit box that shows the name of the key pressed in it. In hotkey mode it
// puts the modifiers held in front ("Ctrl + Shift + ") and shows "None" for
// keys that cannot be a hotkey. The owner reads the window text.
class CKeyEditCtrl : public CEdit
{
public:
    // Modifier bits for ComposeText.
    enum
    {
        MOD_CTRL_KEY = 1,
        MOD_SHIFT_KEY = 2,
        MOD_ALT_KEY = 4
    };

    CKeyEditCtrl() = default;

    BOOL PreTranslateMessage(MSG* msg) override;

    // The text the box shows for a key pressed with the modifiers held.
    static CString ComposeText(UINT code, BOOL hotkeyMode, UINT modifiers, const CString& keyName);
    // Keys that cannot start or stop a robot.
    static bool IsRefusedHotkey(UINT code);

    // Set by the owning dialog before the box receives keys.
    BOOL m_bHotkeyMode = FALSE;
    // The name of a virtual-key code, as robot files store it; given by the
    // owner, which knows the key-name table.
    std::function<CString(UINT)> m_fnKeyName;

protected:
    // The text is the box's alone: the edit control's own editing keys and
    // typed characters would change it.
    void OnKeyDown(UINT, UINT, UINT) {}
    void OnChar(UINT, UINT, UINT) {}

    DECLARE_MESSAGE_MAP()
};
