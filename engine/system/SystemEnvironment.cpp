#include "engine/system/SystemEnvironment.h"

#include <windows.h>

#include <vector>

namespace {

// The longest value the system keeps, with its terminator.
const DWORD kValueBufferSize = 32768;
const UINT kBroadcastTimeoutMs = 15000;

}  // namespace

std::string ReadEnvironmentVariable(const char* name)
{
    std::vector<char> buffer(kValueBufferSize);
    const DWORD dwLength = GetEnvironmentVariableA(name, buffer.data(), kValueBufferSize);
    if (dwLength == 0 || dwLength >= kValueBufferSize)
        return std::string();
    return std::string(buffer.data(), dwLength);
}

void WriteEnvironmentVariable(const char* name, const char* value)
{
    SetEnvironmentVariableA(name, value);
}

bool BroadcastEnvironmentChange()
{
    DWORD_PTR dwResult = 0;
    return SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("Environment"), SMTO_BLOCK,
                               kBroadcastTimeoutMs, &dwResult) != 0;
}
