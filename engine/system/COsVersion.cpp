#include "engine/system/COsVersion.h"

#include <windows.h>

namespace {

std::string TrimBlanks(const char* text)
{
    std::string s = text ? text : "";
    size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

COsVersion ReadCurrent()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info))
        return COsVersion();
    return COsVersion::FromVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber,
                                   info.szCSDVersion);
}

}  // namespace

const COsVersion& COsVersion::Current()
{
    static const COsVersion current = ReadCurrent();
    return current;
}

COsVersion COsVersion::FromVersion(unsigned long platformId, unsigned long major, unsigned long minor,
                                   unsigned long build, const char* servicePack)
{
    COsVersion v;
    v.m_nMajor = major;
    v.m_nMinor = minor;
    v.m_nBuild = build;
    v.m_strServicePack = TrimBlanks(servicePack);
    if (platformId == VER_PLATFORM_WIN32_NT) {
        v.m_bNT = 1;
        // Versions after 5 are later systems still: they pass every "or later" test.
        bool later = major > 5;
        v.m_bNT4 = major == 4;
        v.m_bNT4Or5 = major == 4 || major == 5;
        v.m_bXPOrLater = v.m_bXPOrLater2 = (major == 5 && minor != 0) || later;
        v.m_bWin2000 = major == 5 && minor == 0;
        v.m_b2000OrLater = major == 5 || later;
    } else if (platformId == VER_PLATFORM_WIN32_WINDOWS) {
        v.m_nBuild = build & 0xFFFF;
        v.m_b9x = v.m_b9xFamily2 = 1;
        v.m_bWin98 = major == 4 && minor == 10;
        v.m_bWin98OrMe = major == 4 && (minor == 10 || minor == 90);
        v.m_bWin95 = major == 4 && minor == 0;
        v.m_bWinMe = v.m_bWinMe2 = major == 4 && minor == 90;
    }
    return v;
}
