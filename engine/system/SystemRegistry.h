// Registry paths and keys for the engine's macros and the registry built-ins.
#pragma once

#include <windows.h>

#include <string>

// The buffer is emptied, then filled with the value's bytes (any type) and
// terminated at their length; it stays empty when the key or value cannot be read.
bool RegReadString(HKEY root, const char* subkey, const char* valueName, DWORD bufferSize, char* buffer);

// A key path of the registry built-ins: an optional "\\computer\" part, a
// root name, then "\" and the subkey (trailing backslashes dropped; empty
// when the path names a root alone).
void SplitRegistryPath(const char* path, std::string& computer, std::string& rootName, std::string& subkey);

// The root of a long or short root name ("HKEY_CURRENT_USER", "HKCU"), any
// case; false for any other name.
bool RegistryRootFromName(const char* rootName, HKEY& root);

// Deletes every subkey of the open key, depth first; true when all went.
bool DeleteRegistryTree(HKEY key);
