#pragma once

#include <windows.h>

#include <vector>

// The application profile in the registry: values under
// HKEY_CURRENT_USER\Software\orvantis\Tapwright\<section>.
class CAppProfile
{
public:
    static const char kRootKey[];

    // Fills data with the raw bytes of the value; false (and data empty) when
    // the section or value is missing or cannot be read. A missing value is
    // ordinary: nothing is reported.
    static bool GetBinary(const char* section, const char* entry, std::vector<BYTE>& data);
    // Stores the bytes as a REG_BINARY value, creating the section as needed.
    static bool WriteBinary(const char* section, const char* entry, const void* data, UINT size);
};
