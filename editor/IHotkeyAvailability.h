#pragma once

#include "framework/CString.h"

// The robot editor's question to the window that opened it: whether another
// robot already holds a hotkey. The answerer tells the user itself when a key
// is taken.
class IHotkeyAvailability
{
public:
    // 1 when no other robot's start or end key is this key, else 0.
    virtual int IsStartHotKeyFree(const CString& key) = 0;
    // 1 when no other robot's start key is this key (robots may share an end
    // key), else 0.
    virtual int IsEndHotKeyFree(const CString& key) = 0;

protected:
    ~IHotkeyAvailability() = default;
};
