#include "engine/builtins/CKeySender.h"

#include "engine/system/PreciseSleep.h"
#include "engine/builtins/ForceForeground.h"
#include "engine/builtins/SendKeyTable.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

namespace {

enum class KeyMode
{
    Press,
    Down,
    Up,
    On,
    Off
};

struct Modifier
{
    BYTE vk;
    unsigned held;
};

// Ctrl, Alt, Shift and left Win with the bits that say the script holds them.
const Modifier kModifiers[] = {
    {VK_CONTROL, CKeySender::kCtrlHeld},
    {VK_MENU, CKeySender::kAltHeld},
    {VK_SHIFT, CKeySender::kShiftHeld},
    {VK_LWIN, CKeySender::kLWinHeld},
};

// The keys of {CTRLDOWN} and the like: the items that press and release each
// modifier, the bit that says the script holds it, the bit it sets for the
// next key and its virtual key.
struct HeldKey
{
    int down;
    int up;
    unsigned heldBit;
    unsigned oneKeyBit;
    BYTE vk;
};

const HeldKey kHeldKeys[] = {
    {kSendCtrlDown, kSendCtrlUp, CKeySender::kCtrlHeld, 0, VK_CONTROL},
    {kSendAltDown, kSendAltUp, CKeySender::kAltHeld, CKeySender::kAlt, VK_MENU},
    {kSendShiftDown, kSendShiftUp, CKeySender::kShiftHeld, 0, VK_SHIFT},
    {kSendLWinDown, kSendLWinUp, CKeySender::kLWinHeld, 0, VK_LWIN},
    {kSendRWinDown, kSendRWinUp, CKeySender::kRWinHeld, 0, VK_RWIN},
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsAllDigits(const std::string& text)
{
    if (text.empty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

KeyMode ParseMode(const std::string& arg, int& count)
{
    count = 1;
    if (lstrcmpiA(arg.c_str(), "down") == 0)
        return KeyMode::Down;
    if (lstrcmpiA(arg.c_str(), "up") == 0)
        return KeyMode::Up;
    if (lstrcmpiA(arg.c_str(), "on") == 0)
        return KeyMode::On;
    if (lstrcmpiA(arg.c_str(), "off") == 0)
        return KeyMode::Off;
    long n = std::strtol(arg.c_str(), nullptr, 10);
    if (n > CKeySender::kMaxRepeat)
        n = CKeySender::kMaxRepeat;
    count = n < 1 ? 1 : static_cast<int>(n);
    return KeyMode::Press;
}

bool IsPhysicallyDown(BYTE vk)
{
    return ((GetAsyncKeyState(vk) | GetKeyState(vk)) & 0x8000) != 0;
}

}  // namespace

CKeySender::CKeySender()
{
    Init();
}

void CKeySender::Init()
{
    m_nKeyDelay = 5;
    m_nKeyDownDelay = 1;
    m_bCapsLockMode = 1;
    m_bAttachMode = 0;
    m_bPostMessageMode = 0;
    m_uModifiers = 0;
    m_hTarget = nullptr;
    m_nScanCtrl = static_cast<BYTE>(MapVirtualKeyA(VK_CONTROL, 0));
    m_nScanAlt = static_cast<BYTE>(MapVirtualKeyA(VK_MENU, 0));
    m_nScanShift = static_cast<BYTE>(MapVirtualKeyA(VK_SHIFT, 0));
    m_nScanLWin = static_cast<BYTE>(MapVirtualKeyA(VK_LWIN, 0));

    char layout[KL_NAMELENGTH] = "";
    GetKeyboardLayoutNameA(layout);
    size_t len = std::strlen(layout);
    const char* suffix = len >= 2 ? layout + len - 2 : "";
    for (int slot = 0; slot < kDeadKeySlots; ++slot) {
        char dead = kDefaultDeadKeys[slot];
        bool typeable = VkKeyScanA(dead) != -1;
        bool english = std::strcmp(suffix, "09") == 0;
        bool germanTilde = std::strcmp(suffix, "07") == 0 && slot == kDeadTilde;
        m_aDeadKeys[slot] = (typeable && !english && !germanTilde) ? dead : ' ';
    }
}

void CKeySender::Send(const char* keys, HWND window)
{
    BeginSend(window);
    for (const char* p = keys ? keys : ""; *p; ++p) {
        switch (*p) {
        case '!':
            m_uModifiers |= kAlt;
            continue;
        case '+':
            m_uModifiers |= kShift;
            continue;
        case '^':
            m_uModifiers |= kCtrl;
            continue;
        case '#':
            m_uModifiers |= kWin;
            continue;
        case '{': {
            const char* close = std::strchr(p + 1, '}');
            if (!close) {
                SendChar('{', 1);
            } else {
                SendKeyword(std::string(p + 1, close).c_str());
                p = close;
            }
            break;
        }
        default:
            SendChar(static_cast<unsigned char>(*p), 1);
            break;
        }
        m_uModifiers &= kHeldBits;
    }
    EndSend();
}

void CKeySender::SendRaw(const char* text, HWND window)
{
    BeginSend(window);
    for (const char* p = text ? text : ""; *p; ++p) {
        SendChar(static_cast<unsigned char>(*p), 1);
        m_uModifiers &= kHeldBits;
    }
    EndSend();
}

void CKeySender::BeginSend(HWND window)
{
    m_hTarget = window;
    if (window || m_bAttachMode) {
        DWORD self = GetCurrentThreadId();
        DWORD front = WindowThreadId(GetForegroundWindow());
        m_Links.Attach(self, front);
        if (window) {
            DWORD target = WindowThreadId(window);
            m_Links.Attach(front, target);
            m_Links.Attach(self, target);
        }
    }
    if (m_bCapsLockMode)
        m_bCapsWasOn = SetToggle(VK_CAPITAL, false);
}

void CKeySender::EndSend()
{
    // A modifier at the very end has no key left to act on; it must not reach
    // the first key of a later send.
    m_uModifiers &= kHeldBits;
    if (m_bCapsLockMode)
        SetToggle(VK_CAPITAL, m_bCapsWasOn);
    m_Links.DetachAll();
}

void CKeySender::SendKeyword(const char* item)
{
    std::string text = item ? item : "";
    size_t blank = text.find(' ');
    std::string name = text.substr(0, blank);
    std::string arg;
    if (blank != std::string::npos) {
        size_t start = blank;
        while (start < text.size() && IsBlank(text[start]))
            ++start;
        size_t end = text.size();
        while (end > start && IsBlank(text[end - 1]))
            --end;
        arg = text.substr(start, end - start);
    }
    if (name.empty())
        return;
    int count = 1;
    KeyMode mode = ParseMode(arg, count);

    const SendKeyEntry* entry = FindSendKey(name.c_str());
    if (!entry) {
        unsigned char ch = static_cast<unsigned char>(name[0]);
        if (mode == KeyMode::Down || mode == KeyMode::Up) {
            SHORT scan = VkKeyScanA(static_cast<char>(ch));
            if (scan == -1)
                return;
            if (mode == KeyMode::Down)
                KeyDown(LOBYTE(scan), false);
            else
                KeyUp(LOBYTE(scan), false);
            return;
        }
        SendChar(ch, count);
        return;
    }

    if (!entry->special || entry->value == kSendNumpadEnter) {
        bool numpadEnter = entry->special;
        BYTE vk = numpadEnter ? VK_RETURN : entry->value;
        switch (mode) {
        case KeyMode::Down:
            KeyDown(vk, numpadEnter);
            return;
        case KeyMode::Up:
            KeyUp(vk, numpadEnter);
            return;
        case KeyMode::On:
        case KeyMode::Off:
            if (!numpadEnter) {
                SetToggle(vk, mode == KeyMode::On);
                return;
            }
            break;
        case KeyMode::Press:
            break;
        }
        PrepareModifiers();
        PressModifiers();
        for (int i = 0; i < count; ++i)
            PressKey(vk, numpadEnter);
        ReleaseModifiers();
        return;
    }

    for (const HeldKey& held : kHeldKeys) {
        if (entry->value == held.down || entry->value == held.up) {
            HoldModifier(held.heldBit, held.oneKeyBit, held.vk, entry->value == held.down);
            return;
        }
    }
    switch (entry->value) {
    case kSendAsc:
        SendAltCode(arg.c_str());
        break;
    case kSendAlt:
        if (m_uModifiers & kAltHeld)
            break;
        m_uModifiers |= kAlt;
        if (mode == KeyMode::Down)
            KeyDown(VK_MENU, false);
        else if (mode == KeyMode::Up)
            KeyUp(VK_MENU, false);
        else
            PressKey(VK_MENU, false);
        break;
    default:
        break;
    }
}

void CKeySender::HoldModifier(unsigned heldBit, unsigned oneKeyBit, BYTE vk, bool down)
{
    bool held = (m_uModifiers & heldBit) != 0;
    if (down == held)
        return;
    m_uModifiers = down ? (m_uModifiers | heldBit) : (m_uModifiers & ~heldBit);
    m_uModifiers |= oneKeyBit;
    if (down)
        KeyDown(vk, false);
    else
        KeyUp(vk, false);
}

void CKeySender::SendAltCode(const char* digits)
{
    // Anything but digits would press other keys than the number pad's.
    if (!IsAllDigits(digits))
        return;
    if (m_hTarget) {
        HWND parent = GetParent(m_hTarget);
        if (parent && parent != GetForegroundWindow()) {
            ForceForeground(parent);
            PreciseSleep(250);
        }
    }
    bool altHeld = (m_uModifiers & kAltHeld) != 0;
    if (!altHeld) {
        KeyDown(VK_MENU, false);
        PreciseSleep(m_nKeyDownDelay);
    }
    for (const char* p = digits; *p; ++p)
        PressKey(static_cast<BYTE>(VK_NUMPAD0 + (*p - '0')), false);
    if (!altHeld) {
        KeyUp(VK_MENU, false);
        PreciseSleep(m_nKeyDelay);
    }
}

void CKeySender::SendChar(unsigned char ch, int count)
{
    SHORT scan = VkKeyScanA(static_cast<char>(ch));
    if (scan == -1) {
        for (int i = 0; i < count; ++i)
            SendAccented(ch);
        return;
    }
    BYTE shifts = HIBYTE(scan);
    if (shifts & 1)
        m_uModifiers |= kShift;
    if (shifts & 2)
        m_uModifiers |= kCtrl;
    if (shifts & 4)
        m_uModifiers |= kAlt;
    PrepareModifiers();
    PressModifiers();
    for (int i = 0; i < count; ++i)
        PressKey(LOBYTE(scan), false);
    ReleaseModifiers();
}

void CKeySender::SendAccented(unsigned char ch)
{
    if (ch < 0x80) {
        SendUnicodeChar(ch);
        return;
    }
    AccentEntry accent = LookUpAccent(ch);
    if (accent.deadKeySlot) {
        char dead = m_aDeadKeys[accent.deadKeySlot];
        if (dead == ' ') {
            SendUnicodeChar(ch);
            return;
        }
        SendChar(static_cast<unsigned char>(dead), 1);
        m_uModifiers &= kHeldBits;
        SendChar(static_cast<unsigned char>(accent.letter), 1);
        return;
    }
    if (accent.altCode) {
        char item[16];
        std::snprintf(item, sizeof item, "ASC %d", accent.altCode);
        SendKeyword(item);
        return;
    }
    SendUnicodeChar(ch);
}

void CKeySender::SendUnicodeChar(unsigned char ch)
{
    char text = static_cast<char>(ch);
    wchar_t wide = 0;
    if (MultiByteToWideChar(CP_ACP, 0, &text, 1, &wide, 1) != 1 || wide == 0)
        return;
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = wide;
    input.ki.dwFlags = KEYEVENTF_UNICODE;
    SendInput(1, &input, sizeof input);
    PreciseSleep(m_nKeyDownDelay);
    input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
    PreciseSleep(m_nKeyDelay);
}

void CKeySender::PrepareModifiers()
{
    if (m_uModifiers & kCtrlHeld)
        m_uModifiers &= ~kCtrl;
    if (m_uModifiers & kAltHeld)
        m_uModifiers &= ~kAlt;
    if (m_uModifiers & kShiftHeld)
        m_uModifiers &= ~kShift;
    if (m_uModifiers & kLWinHeld)
        m_uModifiers &= ~kWin;

    if (!m_hTarget) {
        for (const Modifier& mod : kModifiers) {
            if (!(m_uModifiers & mod.held) && IsPhysicallyDown(mod.vk)) {
                KeyUp(mod.vk, false);
                PreciseSleep(m_nKeyDelay);
            }
        }
        return;
    }
    BYTE state[256];
    if (!GetKeyboardState(state))
        return;
    for (const Modifier& mod : kModifiers) {
        if (!(m_uModifiers & mod.held))
            state[mod.vk] &= 0x7F;
    }
    SetKeyboardState(state);
}

void CKeySender::ModifierKeys(bool up)
{
    const struct
    {
        unsigned bit;
        BYTE vk;
        BYTE scan;
    } keys[] = {
        {kWin, VK_LWIN, m_nScanLWin},
        {kShift, VK_SHIFT, m_nScanShift},
        {kCtrl, VK_CONTROL, m_nScanCtrl},
        {kAlt, VK_MENU, m_nScanAlt},
    };
    const int count = static_cast<int>(std::size(keys));
    for (int i = 0; i < count; ++i) {
        const auto& key = keys[up ? count - 1 - i : i];
        if (m_uModifiers & key.bit)
            KeyEvent(key.vk, key.scan, false, up);
    }
}

void CKeySender::PressModifiers()
{
    ModifierKeys(false);
    PreciseSleep(m_nKeyDownDelay);
}

void CKeySender::ReleaseModifiers()
{
    ModifierKeys(true);
    PreciseSleep(m_nKeyDelay);
}

void CKeySender::ReleaseHeldKeys()
{
    for (int vk = 1; vk < 256; ++vk) {
        if (m_aKeysDown.test(vk))
            KeyUp(static_cast<BYTE>(vk), false);
    }
    m_uModifiers = 0;
}

bool CKeySender::SetToggle(BYTE vk, bool on)
{
    bool wasOn = (GetKeyState(vk) & 1) != 0;
    if (wasOn != on)
        PressKey(vk, false);
    return wasOn;
}

void CKeySender::PressKey(BYTE vk, bool extended)
{
    KeyDown(vk, extended);
    PreciseSleep(m_nKeyDownDelay);
    KeyUp(vk, extended);
    PreciseSleep(m_nKeyDelay);
}

void CKeySender::KeyDown(BYTE vk, bool extended)
{
    KeyEvent(vk, static_cast<BYTE>(MapVirtualKeyA(vk, 0)), extended, false);
}

void CKeySender::KeyUp(BYTE vk, bool extended)
{
    KeyEvent(vk, static_cast<BYTE>(MapVirtualKeyA(vk, 0)), extended, true);
}

void CKeySender::KeyEvent(BYTE vk, BYTE scan, bool extended, bool up)
{
    extended = extended || IsExtendedSendKey(vk);
    bool lockKey = vk == VK_CAPITAL || vk == VK_NUMLOCK || vk == VK_SCROLL;
    if (m_bPostMessageMode && m_hTarget && !lockKey) {
        bool sys = (m_uModifiers & kAlt) && !(m_uModifiers & kCtrl);
        LPARAM lParam = up ? ((static_cast<LPARAM>(scan) << 16) | static_cast<LPARAM>(0xC0000001))
                           : ((static_cast<LPARAM>(scan) << 16) + 1);
        if (extended)
            lParam |= 0x01000000;
        UINT msg = up ? WM_KEYUP : WM_KEYDOWN;
        if (sys) {
            lParam |= 0x20000000;
            msg = up ? WM_SYSKEYUP : WM_SYSKEYDOWN;
        }
        PostMessageA(m_hTarget, msg, vk, lParam);
    } else {
        keybd_event(vk, scan, (extended ? KEYEVENTF_EXTENDEDKEY : 0) | (up ? KEYEVENTF_KEYUP : 0), 0);
        // Without a window of its own the send follows the window in front; a
        // given window stays the target even after a lock key went as input.
        if (m_bPostMessageMode && !m_hTarget)
            m_hTarget = GetForegroundWindow();
    }
    m_aKeysDown.set(vk, !up);
}

bool CKeySender::ParseHotkey(const char* text, int& vk, int& shift, int& ctrl, int& alt, int& win)
{
    vk = shift = ctrl = alt = win = 0;
    const char* p = text ? text : "";
    for (;; ++p) {
        if (*p == '!')
            alt = 1;
        else if (*p == '#')
            win = 1;
        else if (*p == '+')
            shift = 1;
        else if (*p == '^')
            ctrl = 1;
        else
            break;
    }
    if (*p == '\0')
        return false;
    int code = 0;
    if (*p == '<') {
        const char* close = std::strchr(p + 1, '>');
        if (!close)
            return false;
        const SendKeyEntry* entry = FindSendKey(std::string(p + 1, close).c_str());
        if (!entry || entry->special)
            return false;
        code = entry->value;
        p = close + 1;
    } else {
        SHORT scan = VkKeyScanA(*p);
        if (scan == -1)
            return false;
        code = LOBYTE(scan);
        BYTE shifts = HIBYTE(scan);
        if (shifts & 1)
            shift = 1;
        if (shifts & 2)
            ctrl = 1;
        if (shifts & 4)
            alt = 1;
        ++p;
    }
    if (*p != '\0')
        return false;
    vk = code & 0xFF;
    return true;
}
