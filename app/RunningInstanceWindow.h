#pragma once

#include <windows.h>

// The main dialog of the instance that already runs: the top-level window
// titled "Orvantis Tapforge" that holds the robot list. A message box of the
// program carries the same caption, so the title alone is not enough.
HWND FindRunningMainDialog();

// Looks for it every pollMs milliseconds until it appears or timeoutMs have
// passed, for an instance that is still starting; null when none appears.
HWND WaitForRunningMainDialog(DWORD timeoutMs, DWORD pollMs);
