// Opening a document or web address with its program, behind one replaceable
// function: link labels and help links call it, and tests install their own so
// that nothing is launched.
#pragma once

#include <windows.h>

#include <functional>

using ShellOpenFunction = std::function<BOOL(HWND owner, const char* target, int show)>;

// Installs the function (an empty one restores the shell's "open") and returns the previous one.
ShellOpenFunction SetShellOpenFunction(ShellOpenFunction function);

// Opens the target with the "open" verb, its window shown as the SW_ command says;
// FALSE when the shell refused.
BOOL ShellOpen(HWND owner, const char* target, int show = SW_SHOWNORMAL);
