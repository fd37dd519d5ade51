#pragma once

#include <windows.h>

// The check-box state of a list row from the old and new item states of a
// list view's item-changed notification. The state-image index sits in bits
// 12 to 15: 1 unchecked, 2 checked. True when the notification changes the
// check box; then oldCheck and newCheck hold 0 or 1.
bool DecodeCheckStateChange(UINT oldState, UINT newState, int& oldCheck, int& newCheck);
