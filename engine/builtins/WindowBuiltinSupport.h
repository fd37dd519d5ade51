// What the window, control and robot-action built-ins share: the engine's
// window search with its options, argument-driven searches, array results and
// the origin of the foreground window for the window-relative coordinate modes.
#pragma once

#include "engine/CMarionet_Script.h"
#include "engine/builtins/WindowSearch.h"

#include <initializer_list>

CWindowSearch& WindowSearchOf(CMarionet_Script& engine);
WindowSearchOptions WindowSearchOptionsOf(const CMarionet_Script& engine);

// Searched title := argument 1; searched text := argument 2 when at least two
// arguments are given (count), else empty.
void SetWindowSearch(CMarionet_Script& engine, CScriptValueList& args, int count);

// SetWindowSearch with the arguments' own count, then the window search.
bool FindWindowOfArguments(CMarionet_Script& engine, CScriptValueList& args);

// The window of arguments 1 and 2 and the control of argument 3 in it.
bool FindControlOfArguments(CMarionet_Script& engine, CScriptValueList& args);

// The pause after a window action (WinWaitDelay).
void PauseAfterWindowAction(const CMarionet_Script& engine);

// Top-left corner of the foreground window's rectangle; false (and 0, 0) when
// it cannot be read.
bool ForegroundWindowOrigin(POINT& origin);

// The result becomes a one-dimensional array of the values.
void SetIntegerArray(CScriptValue& result, std::initializer_list<int> values);

// A window's size as a mouse-message position: its centre relative to itself.
LPARAM CentreOfWindow(HWND window);
