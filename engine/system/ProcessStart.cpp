#include "engine/system/ProcessStart.h"

#include "engine/system/ProcAddress.h"
#include "framework/WideText.h"

#include <shellapi.h>

#include <vector>

namespace {

// The system may write into the command line it is given.
std::vector<char> WritableText(const std::string& strText)
{
    std::vector<char> text(strText.begin(), strText.end());
    text.push_back('\0');
    return text;
}

// No directory: the program starts in the current one, which the system hands
// on whole, also where its name has no 8-bit form.
template <class Text>
auto DirectoryOrCurrent(const Text& strDirectory) -> decltype(strDirectory.c_str())
{
    return strDirectory.empty() ? nullptr : strDirectory.c_str();
}

}  // namespace

bool StartProgram(const std::string& strCommandLine, const std::string& strDirectory, int nShow,
                  PROCESS_INFORMATION& info)
{
    std::vector<char> commandLine = WritableText(strCommandLine);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(nShow);
    return CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          DirectoryOrCurrent(strDirectory), &startup, &info) != FALSE;
}

EStartResult StartProgramAs(const CRunAsAccount& account, const std::string& strCommandLine,
                            const std::string& strDirectory, int nShow, PROCESS_INFORMATION& info)
{
    using LogonFn = BOOL(WINAPI*)(LPCWSTR, LPCWSTR, LPCWSTR, DWORD, LPCWSTR, LPWSTR, DWORD, LPVOID, LPCWSTR,
                                  LPSTARTUPINFOW, LPPROCESS_INFORMATION);
    HMODULE advapi = LoadLibraryA("advapi32.dll");
    auto createWithLogon = ProcAddress<LogonFn>(advapi, "CreateProcessWithLogonW");
    if (!createWithLogon) {
        if (advapi)
            FreeLibrary(advapi);
        return START_NO_RUNAS_API;
    }
    std::wstring strWideLine = Widened(strCommandLine.c_str());
    std::vector<wchar_t> commandLine(strWideLine.begin(), strWideLine.end());
    commandLine.push_back(L'\0');
    const std::wstring strWideDirectory = Widened(strDirectory.c_str());
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(nShow);
    const BOOL bStarted = createWithLogon(
        account.m_strUser.c_str(), account.m_strDomain.c_str(), account.m_strPassword.c_str(), account.m_dwLogonFlags,
        nullptr, commandLine.data(), 0, nullptr, DirectoryOrCurrent(strWideDirectory), &startup, &info);
    // The caller reports the start's error, not the library's.
    const DWORD dwError = GetLastError();
    FreeLibrary(advapi);
    SetLastError(dwError);
    return bStarted ? START_OK : START_FAILED;
}

bool OpenDocument(const std::string& strPath, const std::string& strParameters, const std::string& strDirectory,
                  int nShow, bool bWaitForInputIdle, HANDLE& hProcess)
{
    SHELLEXECUTEINFOA execute = {};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_NOCLOSEPROCESS | (bWaitForInputIdle ? SEE_MASK_WAITFORINPUTIDLE : 0);
    execute.lpFile = strPath.c_str();
    execute.lpParameters = strParameters.c_str();
    execute.lpDirectory = DirectoryOrCurrent(strDirectory);
    execute.nShow = nShow;
    if (!ShellExecuteExA(&execute))
        return false;
    hProcess = execute.hProcess;
    return true;
}
