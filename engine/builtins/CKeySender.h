// Sends keystrokes written in the key notation of scripts: "!" Alt, "+" Shift,
// "^" Ctrl and "#" Win for the next key, braced key names with counts or
// up/down/on/off, and plain chars. Also parses hotkey notation.
#pragma once

#include "engine/system/CThreadInputLinks.h"
#include "engine/builtins/AccentTable.h"

#include <windows.h>

#include <bitset>

class CKeySender
{
public:
    // Modifier state bits: one-key bits for the next key, held bits kept across keys.
    enum : unsigned
    {
        kAlt = 0x1,
        kShift = 0x2,
        kCtrl = 0x4,
        kWin = 0x8,
        kAltHeld = 0x10,
        kShiftHeld = 0x20,
        kCtrlHeld = 0x40,
        kLWinHeld = 0x80,
        kRWinHeld = 0x100,
        kHeldBits = 0x1F0,
    };

    // Repeat counts in braces are clamped to this, so a typo cannot block for days.
    static constexpr int kMaxRepeat = 10000;

    CKeySender();
    void Init();

    void Send(const char* keys, HWND window = nullptr);
    void SendRaw(const char* text, HWND window = nullptr);
    void SendKeyword(const char* item);
    void SendAccented(unsigned char ch);

    // Releases every key that "down" items left pressed and clears the held bits.
    void ReleaseHeldKeys();

    // One key: press, wait the key-down delay, release, wait the key delay.
    void PressKey(BYTE vk, bool extended);
    void KeyDown(BYTE vk, bool extended);
    void KeyUp(BYTE vk, bool extended);

    // Hotkey notation: prefixes "!" "#" "+" "^", then one char or "<" NAME ">".
    static bool ParseHotkey(const char* text, int& vk, int& shift, int& ctrl, int& alt, int& win);

    int m_nKeyDelay = 5;
    int m_nKeyDownDelay = 1;
    unsigned char m_bCapsLockMode = 1;
    unsigned char m_bAttachMode = 0;
    int m_bPostMessageMode = 0;

    unsigned Modifiers() const { return m_uModifiers; }
    HWND TargetWindow() const { return m_hTarget; }

private:
    void BeginSend(HWND window);
    void EndSend();
    void SendChar(unsigned char ch, int count);
    void SendUnicodeChar(unsigned char ch);
    void PrepareModifiers();
    // The modifiers of the key (Win, Shift, Ctrl, Alt) go down in that order
    // and come up in the reverse one.
    void ModifierKeys(bool up);
    void PressModifiers();
    void ReleaseModifiers();
    void SendAltCode(const char* digits);
    void HoldModifier(unsigned heldBit, unsigned oneKeyBit, BYTE vk, bool down);
    bool SetToggle(BYTE vk, bool on);
    void KeyEvent(BYTE vk, BYTE scan, bool extended, bool up);

    unsigned m_uModifiers = 0;
    HWND m_hTarget = nullptr;
    BYTE m_nScanCtrl = 0;
    BYTE m_nScanAlt = 0;
    BYTE m_nScanShift = 0;
    BYTE m_nScanLWin = 0;
    char m_aDeadKeys[kDeadKeySlots] = {};
    std::bitset<256> m_aKeysDown;
    CThreadInputLinks m_Links;
    bool m_bCapsWasOn = false;
};
