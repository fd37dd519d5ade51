#pragma once

#include "framework/CString.h"

// The fixed table of virtual-key codes and their names: letters, digits and
// punctuation are the bare character, every other key is enclosed in "<" and
// ">" ("<F11>", "<BackSpace>", "<L Menu>"). Robot files store these names.

// The name of the code; empty for a code without a name.
CString VirtualKeyToKeyName(unsigned code);

// The code of the name (compared with case); 0, which no key has, for a name
// that is not in the table.
unsigned KeyNameToVirtualKey(const CString& name);
