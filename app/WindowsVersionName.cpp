#include "app/WindowsVersionName.h"

namespace {

CString Windows9xName(DWORD major, DWORD minor)
{
    if (major > 4 || (major == 4 && minor > 89))
        return "WinME";
    if (major == 4 && minor > 0)
        return "Win98";
    return "Win95";
}

CString WindowsNtName(DWORD major, DWORD minor)
{
    if (major <= 4)
        return "WinNT";
    if (major == 5 && minor == 0)
        return "Win2000";
    if (major == 5 && minor == 1)
        return "WinXP";
    return CString();
}

}  // namespace

bool ReadWindowsVersion(OSVERSIONINFOA& version)
{
    OSVERSIONINFOEXA extended{};
    extended.dwOSVersionInfoSize = sizeof extended;
    if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended))) {
        CopyMemory(&version, &extended, sizeof version);
        version.dwOSVersionInfoSize = sizeof version;
        return true;
    }
    version = OSVERSIONINFOA{};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) != FALSE;
}

CString GetWindowsVersionName(const OSVERSIONINFOA& version)
{
    switch (version.dwPlatformId) {
    case VER_PLATFORM_WIN32s:
        return "Win32";
    case VER_PLATFORM_WIN32_WINDOWS:
        return Windows9xName(version.dwMajorVersion, version.dwMinorVersion);
    case VER_PLATFORM_WIN32_NT:
        return WindowsNtName(version.dwMajorVersion, version.dwMinorVersion);
    default:
        return "Unknown OS";
    }
}
