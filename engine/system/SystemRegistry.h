// Reading registry values for the engine's macros.
#pragma once

#include <windows.h>

// The buffer is emptied, then filled with the value's bytes (any type) and
// terminated at their length; it stays empty when the key or value cannot be read.
bool RegReadString(HKEY root, const char* subkey, const char* valueName, DWORD bufferSize, char* buffer);
