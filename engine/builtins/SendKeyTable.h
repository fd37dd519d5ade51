// The key names of the send notation: braced items such as {ENTER} or {CTRLDOWN}.
#pragma once

#include <cstddef>

enum SendKeyAction
{
    kSendCtrlDown = 0,
    kSendCtrlUp,
    kSendAltDown,
    kSendAltUp,
    kSendShiftDown,
    kSendShiftUp,
    kSendLWinDown,
    kSendLWinUp,
    kSendRWinDown,
    kSendRWinUp,
    kSendAsc,
    kSendNumpadEnter,
    kSendAlt,
};

struct SendKeyEntry
{
    const char* name;
    bool special;  // value is a SendKeyAction, not a virtual key
    unsigned char value;
};

// Case-insensitive lookup; null when the name is unknown.
const SendKeyEntry* FindSendKey(const char* name);

// The whole table, in its fixed order.
const SendKeyEntry* SendKeyTable(size_t& count);

// Keys that are sent with the extended-key flag.
bool IsExtendedSendKey(unsigned char vk);
