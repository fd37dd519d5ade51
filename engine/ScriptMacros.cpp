#include "engine/CMarionet_Script.h"

#include "engine/system/COsVersion.h"
#include "engine/ScriptText.h"
#include "engine/system/SystemNet.h"
#include "engine/system/SystemPaths.h"
#include "framework/CurrentDirectory.h"
#include "framework/ExactName.h"
#include "framework/WideText.h"

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

// clang-format off
const char* const kMacroNames[] = {
    "ERROR", "SEC", "MIN", "HOUR", "MDAY", "MON", "YEAR", "WDAY", "YDAY", "PROGRAMFILESDIR", "COMMONFILESDIR",
    "MYDOCUMENTSDIR", "APPDATACOMMONDIR", "DESKTOPCOMMONDIR", "DOCUMENTSCOMMONDIR", "FAVORITESCOMMONDIR",
    "PROGRAMSCOMMONDIR", "STARTMENUCOMMONDIR", "STARTUPCOMMONDIR", "APPDATADIR", "DESKTOPDIR", "FAVORITESDIR",
    "PROGRAMSDIR", "STARTMENUDIR", "STARTUPDIR", "COMPUTERNAME", "WINDOWSDIR", "SYSTEMDIR", "SW_HIDE",
    "SW_MINIMIZE", "SW_MAXIMIZE", "SW_RESTORE", "SW_SHOW", "SW_SHOWDEFAULT", "SW_SHOWMAXIMIZED",
    "SW_SHOWMINIMIZED", "SW_SHOWMINNOACTIVE", "SW_SHOWNA", "SW_SHOWNOACTIVATE", "SW_SHOWNORMAL", "SCRIPTFULLPATH",
    "SCRIPTNAME", "SCRIPTDIR", "WORKINGDIR", "OSTYPE", "OSVERSION", "OSBUILD", "OSSERVICEPACK", "OSLANG",
    "DARIREVERSION", "IPADDRESS1", "IPADDRESS2", "IPADDRESS3", "IPADDRESS4", "CR", "LF", "CRLF", "DESKTOPWIDTH",
    "DESKTOPHEIGHT", "DESKTOPDEPTH", "DESKTOPREFRESH", "COMPILED", "COMSPEC", "TAB", "USERNAME", "TEMPDIR",
    "USERPROFILEDIR", "HOMEDRIVE", "HOMEPATH", "HOMESHARE", "LOGONSERVER", "LOGONDOMAIN", "LOGONDNSDOMAIN"};
// clang-format on

// clang-format off
enum EMacro
{
    M_ERROR, M_SEC, M_MIN, M_HOUR, M_MDAY, M_MON, M_YEAR, M_WDAY, M_YDAY, M_PROGRAMFILESDIR, M_COMMONFILESDIR,
    M_MYDOCUMENTSDIR, M_APPDATACOMMONDIR, M_DESKTOPCOMMONDIR, M_DOCUMENTSCOMMONDIR, M_FAVORITESCOMMONDIR,
    M_PROGRAMSCOMMONDIR, M_STARTMENUCOMMONDIR, M_STARTUPCOMMONDIR, M_APPDATADIR, M_DESKTOPDIR, M_FAVORITESDIR,
    M_PROGRAMSDIR, M_STARTMENUDIR, M_STARTUPDIR, M_COMPUTERNAME, M_WINDOWSDIR, M_SYSTEMDIR, M_SW_HIDE,
    M_SW_MINIMIZE, M_SW_MAXIMIZE, M_SW_RESTORE, M_SW_SHOW, M_SW_SHOWDEFAULT, M_SW_SHOWMAXIMIZED,
    M_SW_SHOWMINIMIZED, M_SW_SHOWMINNOACTIVE, M_SW_SHOWNA, M_SW_SHOWNOACTIVATE, M_SW_SHOWNORMAL, M_SCRIPTFULLPATH,
    M_SCRIPTNAME, M_SCRIPTDIR, M_WORKINGDIR, M_OSTYPE, M_OSVERSION, M_OSBUILD, M_OSSERVICEPACK, M_OSLANG,
    M_DARIREVERSION, M_IPADDRESS1, M_IPADDRESS2, M_IPADDRESS3, M_IPADDRESS4, M_CR, M_LF, M_CRLF, M_DESKTOPWIDTH,
    M_DESKTOPHEIGHT, M_DESKTOPDEPTH, M_DESKTOPREFRESH, M_COMPILED, M_COMSPEC, M_TAB, M_USERNAME, M_TEMPDIR,
    M_USERPROFILEDIR, M_HOMEDRIVE, M_HOMEPATH, M_HOMESHARE, M_LOGONSERVER, M_LOGONDOMAIN, M_LOGONDNSDOMAIN,
    M_COUNT
};
// clang-format on

static_assert(sizeof kMacroNames / sizeof kMacroNames[0] == M_COUNT, "one name per macro");

const char kCurrentVersion[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char kShellFolders[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

int FindMacro(const char* pszName)
{
    for (int i = 0; i < M_COUNT; ++i)
        if (ScriptCompareNoCase(pszName, kMacroNames[i]) == 0)
            return i;
    return -1;
}

// A registry value of any length as text (terminated at its length); empty
// when the key or value is missing.
std::string ReadRegistryText(HKEY root, const char* pszSubkey, const char* pszValue)
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(root, pszSubkey, 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return std::string();
    std::string text;
    DWORD dwSize = 0;
    if (RegQueryValueExA(hKey, pszValue, nullptr, nullptr, nullptr, &dwSize) == ERROR_SUCCESS && dwSize > 0) {
        std::vector<char> buffer(dwSize + 1, '\0');
        if (RegQueryValueExA(hKey, pszValue, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &dwSize) ==
            ERROR_SUCCESS) {
            buffer[dwSize] = '\0';
            text = buffer.data();
        }
    }
    RegCloseKey(hKey);
    return text;
}

// A folder that the system names in wide text, as exact 8-bit text: where
// the code page cannot spell its name, its short name, else a path that
// reaches nothing; never the look-alike of the 8-bit calls, which names
// another folder, nor "", which with a name appended names the drive's root.
std::string ExactFolder(const std::wstring& folder)
{
    return ExactOrUnreachablePath(folder.c_str());
}

// A folder kept as a registry string, as ExactFolder gives it; empty when the
// key or value is missing.
std::string ReadRegistryFolder(HKEY root, const char* pszSubkey, const char* pszValue)
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(root, pszSubkey, 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return std::string();
    const std::wstring name = Widened(pszValue);
    std::wstring folder;
    DWORD dwSize = 0;
    if (RegQueryValueExW(hKey, name.c_str(), nullptr, nullptr, nullptr, &dwSize) == ERROR_SUCCESS && dwSize > 0) {
        std::vector<wchar_t> buffer(dwSize / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(hKey, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &dwSize) ==
            ERROR_SUCCESS) {
            buffer[dwSize / sizeof(wchar_t)] = L'\0';
            folder = buffer.data();
        }
    }
    RegCloseKey(hKey);
    return ExactFolder(folder);
}

std::string WithoutTrailingBackslash(std::string text)
{
    if (!text.empty() && text.back() == '\\')
        text.pop_back();
    return text;
}

std::string UserShellFolder(const char* pszValue)
{
    return ReadRegistryFolder(HKEY_CURRENT_USER, kShellFolders, pszValue);
}

std::string CommonShellFolder(const char* pszCommon, const char* pszUser)
{
    const std::string text = ReadRegistryFolder(HKEY_LOCAL_MACHINE, kShellFolders, pszCommon);
    return text.empty() ? UserShellFolder(pszUser) : text;
}

std::string EnvironmentText(const char* pszName)
{
    const DWORD dwNeeded = GetEnvironmentVariableA(pszName, nullptr, 0);
    if (dwNeeded == 0)
        return std::string();
    std::vector<char> buffer(dwNeeded + 1, '\0');
    const DWORD dwLength = GetEnvironmentVariableA(pszName, buffer.data(), static_cast<DWORD>(buffer.size()));
    return dwLength < buffer.size() ? std::string(buffer.data(), dwLength) : std::string();
}

// Text of a system call that fills a buffer and returns the length, or the
// size needed when the buffer is too small.
template <class Char = char, class Call>
std::basic_string<Char> GrowingText(Call call)
{
    std::vector<Char> buffer(MAX_PATH + 1, Char());
    for (int nTry = 0; nTry < 4; ++nTry) {
        const UINT nLength = call(buffer.data(), static_cast<UINT>(buffer.size()));
        if (nLength == 0)
            return std::basic_string<Char>();
        if (nLength < buffer.size())
            return std::basic_string<Char>(buffer.data(), nLength);
        buffer.assign(nLength + 1, Char());
    }
    return std::basic_string<Char>();
}

std::string TwoDigits(int nValue)
{
    char szText[16];
    std::snprintf(szText, sizeof szText, "%.2d", nValue);
    return szText;
}

std::string Decimal(int nValue)
{
    return std::to_string(nValue);
}

std::string OsVersionName(const COsVersion& os)
{
    if (os.m_bNT) {
        if (os.m_bXPOrLater || (!os.m_bNT4Or5 && os.m_nMajor > 5))
            return "WIN_XP";
        if (os.m_bWin2000)
            return "WIN_2000";
        return "WIN_NT4";
    }
    if (os.m_bWinMe)
        return "WIN_ME";
    if (os.m_bWin98)
        return "WIN_98";
    return "WIN_95";
}

std::string OsLanguage(const COsVersion& os)
{
    if (os.m_bNT)
        return ReadRegistryText(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Nls\\Language",
                                os.m_nMajor >= 5 ? "InstallLanguage" : "Default");
    const std::string text = ReadRegistryText(HKEY_USERS, ".DEFAULT\\Control Panel\\Desktop\\ResourceLocale", "");
    return text.size() > 4 ? text.substr(4) : std::string();
}

std::string ProgramVersion()
{
    std::string path = GrowingText([](char* buffer, UINT size) { return GetModuleFileNameA(nullptr, buffer, size); });
    std::string version;
    GetFileVersionText(path.c_str(), version);
    return version;
}

int DesktopCaps(int nIndex)
{
    HDC hdc = GetDC(GetDesktopWindow());
    const int nValue = GetDeviceCaps(hdc, nIndex);
    ReleaseDC(GetDesktopWindow(), hdc);
    return nValue;
}

}  // namespace

int CMarionet_Script::EvaluateMacro(CScriptTokenList& tokens, int& nPos, CScriptValue& result)
{
    const CScriptToken& token = tokens[nPos];
    const int nMacro = FindMacro(token.m_vValue.GetText());
    if (nMacro < 0)
        return ReportScriptError("Unknown macro.", token.m_nColumn);
    ++nPos;

    const int kShowCommands[] = {SW_HIDE,           SW_MINIMIZE,      SW_MAXIMIZE,      SW_RESTORE,         SW_SHOW,
                                 SW_SHOWDEFAULT,    SW_SHOWMAXIMIZED, SW_SHOWMINIMIZED, SW_SHOWMINNOACTIVE, SW_SHOWNA,
                                 SW_SHOWNOACTIVATE, SW_SHOWNORMAL};
    if (nMacro >= M_SW_HIDE && nMacro <= M_SW_SHOWNORMAL) {
        result.SetInteger(kShowCommands[nMacro - M_SW_HIDE]);
        return 0;
    }

    const time_t now = std::time(nullptr);
    const std::tm local = *std::localtime(&now);
    const COsVersion& os = COsVersion::Current();
    RECT desktop = {0, 0, 0, 0};
    std::string text;
    switch (nMacro) {
    case M_ERROR:
        result.SetInteger(m_nErrorCode);
        return 0;
    case M_SEC:
        text = TwoDigits(local.tm_sec);
        break;
    case M_MIN:
        text = TwoDigits(local.tm_min);
        break;
    case M_HOUR:
        text = TwoDigits(local.tm_hour);
        break;
    case M_MDAY:
        text = TwoDigits(local.tm_mday);
        break;
    case M_MON:
        text = TwoDigits(local.tm_mon + 1);
        break;
    case M_YEAR:
        text = Decimal(local.tm_year + 1900);
        break;
    case M_WDAY:
        text = Decimal(local.tm_wday + 1);
        break;
    case M_YDAY:
        text = Decimal(local.tm_yday + 1);
        break;
    case M_PROGRAMFILESDIR:
        text = ReadRegistryFolder(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir");
        break;
    case M_COMMONFILESDIR:
        text = ReadRegistryFolder(HKEY_LOCAL_MACHINE, kCurrentVersion, "CommonFilesDir");
        break;
    case M_MYDOCUMENTSDIR:
        text = WithoutTrailingBackslash(UserShellFolder("Personal"));
        break;
    case M_APPDATACOMMONDIR:
        text = ReadRegistryFolder(HKEY_LOCAL_MACHINE, kShellFolders, "Common AppData");
        break;
    case M_DOCUMENTSCOMMONDIR:
        text = ReadRegistryFolder(HKEY_LOCAL_MACHINE, kShellFolders, "Common Documents");
        break;
    case M_DESKTOPCOMMONDIR:
        text = CommonShellFolder("Common Desktop", "Desktop");
        break;
    case M_FAVORITESCOMMONDIR:
        text = CommonShellFolder("Common Favorites", "Favorites");
        break;
    case M_PROGRAMSCOMMONDIR:
        text = CommonShellFolder("Common Programs", "Programs");
        break;
    case M_STARTMENUCOMMONDIR:
        text = CommonShellFolder("Common Start Menu", "Start Menu");
        break;
    case M_STARTUPCOMMONDIR:
        text = CommonShellFolder("Common Startup", "Startup");
        break;
    case M_APPDATADIR:
        text = UserShellFolder("AppData");
        break;
    case M_DESKTOPDIR:
        text = UserShellFolder("Desktop");
        break;
    case M_FAVORITESDIR:
        text = UserShellFolder("Favorites");
        break;
    case M_PROGRAMSDIR:
        text = UserShellFolder("Programs");
        break;
    case M_STARTMENUDIR:
        text = UserShellFolder("Start Menu");
        break;
    case M_STARTUPDIR:
        text = UserShellFolder("Startup");
        break;
    case M_USERPROFILEDIR: {
        text = UserShellFolder("Desktop");
        const size_t nSlash = text.rfind('\\');
        if (nSlash != std::string::npos)
            text.resize(nSlash);
        break;
    }
    case M_COMPUTERNAME: {
        char szName[MAX_COMPUTERNAME_LENGTH + 1] = "";
        DWORD dwSize = sizeof szName;
        if (GetComputerNameA(szName, &dwSize))
            text = szName;
        break;
    }
    case M_USERNAME: {
        char szName[257] = "";
        DWORD dwSize = sizeof szName;
        if (GetUserNameA(szName, &dwSize))
            text = szName;
        break;
    }
    case M_WINDOWSDIR:
        text = ExactFolder(GrowingText<wchar_t>([](wchar_t* b, UINT n) { return GetWindowsDirectoryW(b, n); }));
        break;
    case M_SYSTEMDIR:
        text = ExactFolder(GrowingText<wchar_t>([](wchar_t* b, UINT n) { return GetSystemDirectoryW(b, n); }));
        break;
    case M_WORKINGDIR:
        // A folder that no 8-bit name reaches reads as ".", which names it
        // while it is current.
        if (!ExactPathName(GetCurrentDirectoryWide().c_str(), text))
            text = ".";
        break;
    case M_TEMPDIR:
        text = WithoutTrailingBackslash(ExactFolder(
            GrowingText<wchar_t>([](wchar_t* b, UINT n) { return static_cast<UINT>(GetTempPathW(n, b)); })));
        break;
    case M_SCRIPTFULLPATH:
        text = m_sScriptFullPath.GetText();
        break;
    case M_SCRIPTNAME:
        text = m_sScriptName.GetText();
        break;
    case M_SCRIPTDIR:
        text = m_sScriptDir.GetText();
        break;
    case M_OSTYPE:
        text = os.m_bNT ? "WIN32_NT" : "WIN32_WINDOWS";
        break;
    case M_OSVERSION:
        text = OsVersionName(os);
        break;
    case M_OSBUILD:
        result.SetDouble(static_cast<double>(os.m_nBuild));
        return 0;
    case M_OSSERVICEPACK:
        text = os.m_strServicePack;
        break;
    case M_OSLANG:
        text = OsLanguage(os);
        break;
    case M_DARIREVERSION:
        text = ProgramVersion();
        break;
    case M_IPADDRESS1:
        text = GetIPAddress(1);
        break;
    case M_IPADDRESS2:
        text = GetIPAddress(2);
        break;
    case M_IPADDRESS3:
        text = GetIPAddress(3);
        break;
    case M_IPADDRESS4:
        text = GetIPAddress(4);
        break;
    case M_CR:
        text = "\r";
        break;
    case M_LF:
        text = "\n";
        break;
    case M_CRLF:
        text = "\r\n";
        break;
    case M_TAB:
        text = "\t";
        break;
    case M_DESKTOPWIDTH:
        GetWindowRect(GetDesktopWindow(), &desktop);
        result.SetInteger(desktop.right - desktop.left);
        return 0;
    case M_DESKTOPHEIGHT:
        GetWindowRect(GetDesktopWindow(), &desktop);
        result.SetInteger(desktop.bottom - desktop.top);
        return 0;
    case M_DESKTOPDEPTH:
        result.SetInteger(DesktopCaps(BITSPIXEL));
        return 0;
    case M_DESKTOPREFRESH:
        result.SetInteger(DesktopCaps(VREFRESH));
        return 0;
    case M_COMPILED:
        result.SetInteger(0);
        return 0;
    case M_COMSPEC:
        text = EnvironmentText("COMSPEC");
        break;
    case M_HOMEDRIVE:
        text = EnvironmentText("HOMEDRIVE");
        break;
    case M_HOMEPATH:
        text = EnvironmentText("HOMEPATH");
        break;
    case M_HOMESHARE:
        text = EnvironmentText("HOMESHARE");
        break;
    case M_LOGONSERVER:
        text = EnvironmentText("LOGONSERVER");
        break;
    case M_LOGONDOMAIN:
        text = EnvironmentText("USERDOMAIN");
        break;
    case M_LOGONDNSDOMAIN:
        text = EnvironmentText("USERDNSDOMAIN");
        break;
    default:
        break;
    }
    result.SetString(text.c_str(), static_cast<int>(text.size()));
    return 0;
}
