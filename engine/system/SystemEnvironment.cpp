#include "engine/system/SystemEnvironment.h"

#include "engine/system/SystemTextLimit.h"
#include "framework/WideText.h"

#include <windows.h>

#include <cwchar>

namespace {

// The longest value the system keeps: 32,767 chars.
const size_t kValueLimit = kConvertedTextLimit + 1;
const UINT kBroadcastTimeoutMs = 15000;

// The value of the entry "name=value" when the entry is the name's, else null.
// A name may begin with "=" (the drives' current folders).
const wchar_t* ValueOfEntry(const wchar_t* entry, const std::wstring& name)
{
    const wchar_t* equals = std::wcschr(entry + 1, L'=');
    const int nLength = static_cast<int>(name.size());
    if (!equals || equals - entry != nLength)
        return nullptr;
    return CompareStringOrdinal(entry, nLength, name.c_str(), nLength, TRUE) == CSTR_EQUAL ? equals + 1 : nullptr;
}

}  // namespace

// Read from the environment block itself: the system's reads cut a longer
// value to their longest without saying so, and give the same answer however
// large the buffer they are handed.
std::string ReadEnvironmentVariable(const char* name)
{
    std::wstring wideName;
    if (!FitsSystemCall(kConvertedTextLimit, {name}) || !WidenText(name, wideName) || wideName.empty())
        return std::string();
    wchar_t* pBlock = GetEnvironmentStringsW();
    if (!pBlock)
        return std::string();
    std::string value;
    for (const wchar_t* entry = pBlock; *entry; entry += std::wcslen(entry) + 1) {
        if (const wchar_t* pszValue = ValueOfEntry(entry, wideName)) {
            const std::string text = Narrowed(pszValue);
            if (FitsSystemCall(kValueLimit, {text}))
                value = text;
            break;
        }
    }
    FreeEnvironmentStringsW(pBlock);
    return value;
}

bool WriteEnvironmentVariable(const char* name, const char* value)
{
    return FitsSystemCall(kConvertedTextLimit, {name, value}) && SetEnvironmentVariableA(name, value);
}

bool BroadcastEnvironmentChange()
{
    DWORD_PTR dwResult = 0;
    return SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("Environment"), SMTO_BLOCK,
                               kBroadcastTimeoutMs, &dwResult) != 0;
}
