#include "engine/builtins/SendKeyTable.h"

#include <windows.h>

namespace {

const SendKeyEntry kTable[] = {
    {"ALT", true, kSendAlt},
    {"BACKSPACE", false, 0x08},
    {"BS", false, 0x08},
    {"DEL", false, 0x2E},
    {"DELETE", false, 0x2E},
    {"DOWN", false, 0x28},
    {"END", false, 0x23},
    {"ENTER", false, 0x0D},
    {"ESC", false, 0x1B},
    {"ESCAPE", false, 0x1B},
    {"F1", false, 0x70},
    {"F2", false, 0x71},
    {"F3", false, 0x72},
    {"F4", false, 0x73},
    {"F5", false, 0x74},
    {"F6", false, 0x75},
    {"F7", false, 0x76},
    {"F8", false, 0x77},
    {"F9", false, 0x78},
    {"F10", false, 0x79},
    {"F11", false, 0x7A},
    {"F12", false, 0x7B},
    {"HOME", false, 0x24},
    {"INS", false, 0x2D},
    {"INSERT", false, 0x2D},
    {"LEFT", false, 0x25},
    {"PGDN", false, 0x22},
    {"PGUP", false, 0x21},
    {"RIGHT", false, 0x27},
    {"SPACE", false, 0x20},
    {"TAB", false, 0x09},
    {"UP", false, 0x26},
    {"PRINTSCREEN", false, 0x2C},
    {"LWIN", false, 0x5B},
    {"RWIN", false, 0x5C},
    {"SCROLLLOCK", false, 0x91},
    {"NUMLOCK", false, 0x90},
    {"CTRLBREAK", false, 0x03},
    {"PAUSE", false, 0x13},
    {"CAPSLOCK", false, 0x14},
    {"NUMPAD0", false, 0x60},
    {"NUMPAD1", false, 0x61},
    {"NUMPAD2", false, 0x62},
    {"NUMPAD3", false, 0x63},
    {"NUMPAD4", false, 0x64},
    {"NUMPAD5", false, 0x65},
    {"NUMPAD6", false, 0x66},
    {"NUMPAD7", false, 0x67},
    {"NUMPAD8", false, 0x68},
    {"NUMPAD9", false, 0x69},
    {"NUMPADMULT", false, 0x6A},
    {"NUMPADADD", false, 0x6B},
    {"NUMPADSUB", false, 0x6D},
    {"NUMPADDOT", false, 0x6E},
    {"NUMPADDIV", false, 0x6F},
    {"APPSKEY", false, 0x5D},
    {"LCTRL", false, 0xA2},
    {"RCTRL", false, 0xA3},
    {"LALT", false, 0xA4},
    {"RALT", false, 0xA5},
    {"LSHIFT", false, 0xA0},
    {"RSHIFT", false, 0xA1},
    {"SLEEP", false, 0x5F},
    {"NUMPADENTER", true, kSendNumpadEnter},
    {"BROWSER_BACK", false, 0xA6},
    {"BROWSER_FORWARD", false, 0xA7},
    {"BROWSER_REFRESH", false, 0xA8},
    {"BROWSER_STOP", false, 0xA9},
    {"BROWSER_SEARCH", false, 0xAA},
    {"BROWSER_FAVORTIES", false, 0xAB},
    {"BROWSER_HOME", false, 0xAC},
    {"VOLUME_MUTE", false, 0xAD},
    {"VOLUME_DOWN", false, 0xAE},
    {"VOLUME_UP", false, 0xAF},
    {"MEDIA_NEXT", false, 0xB0},
    {"MEDIA_PREV", false, 0xB1},
    {"MEDIA_STOP", false, 0xB2},
    {"MEDIA_PLAY_PAUSE", false, 0xB3},
    {"LAUNCH_MAIL", false, 0xB4},
    {"LAUNCH_MEDIA", false, 0xB5},
    {"LAUNCH_APP1", false, 0xB6},
    {"LAUNCH_APP2", false, 0xB7},
    {"CTRLDOWN", true, kSendCtrlDown},
    {"CTRLUP", true, kSendCtrlUp},
    {"ALTDOWN", true, kSendAltDown},
    {"ALTUP", true, kSendAltUp},
    {"SHIFTDOWN", true, kSendShiftDown},
    {"SHIFTUP", true, kSendShiftUp},
    {"LWINDOWN", true, kSendLWinDown},
    {"LWINUP", true, kSendLWinUp},
    {"RWINDOWN", true, kSendRWinDown},
    {"RWINUP", true, kSendRWinUp},
    {"ASC", true, kSendAsc},
};

}  // namespace

const SendKeyEntry* FindSendKey(const char* name)
{
    for (const SendKeyEntry& entry : kTable) {
        if (lstrcmpiA(entry.name, name) == 0)
            return &entry;
    }
    return nullptr;
}

const SendKeyEntry* SendKeyTable(size_t& count)
{
    count = sizeof kTable / sizeof kTable[0];
    return kTable;
}

bool IsExtendedSendKey(unsigned char vk)
{
    return (vk >= 0x21 && vk <= 0x28) || vk == 0x2D || vk == 0x2E || (vk >= 0x5B && vk <= 0x5D) || vk == 0x5F ||
           vk == 0x6F || vk == 0xA3 || (vk >= 0xA5 && vk <= 0xB7);
}
