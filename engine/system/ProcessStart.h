// Starting programs and documents for the Run built-ins. Texts are used at
// their own length: the only limits are the system's, and a text the system
// refuses is a failed start with its last error set. An empty directory starts
// in the current one.
#pragma once

#include <windows.h>

#include <string>

// The account that programs start under after RUNASSET, as
// CreateProcessWithLogonW takes it.
struct CRunAsAccount
{
    std::wstring m_strUser;
    std::wstring m_strDomain;
    std::wstring m_strPassword;
    DWORD m_dwLogonFlags = LOGON_WITH_PROFILE;
};

enum EStartResult
{
    START_OK,
    START_FAILED,
    // advapi32 or its CreateProcessWithLogonW could not be had.
    START_NO_RUNAS_API
};

// CreateProcessA with the show flag; on success both handles of info are open.
bool StartProgram(const std::string& strCommandLine, const std::string& strDirectory, int nShow,
                  PROCESS_INFORMATION& info);

// CreateProcessWithLogonW, looked up at run time, under the account.
EStartResult StartProgramAs(const CRunAsAccount& account, const std::string& strCommandLine,
                            const std::string& strDirectory, int nShow, PROCESS_INFORMATION& info);

// Opens a document with its associated program (no verb). hProcess is that
// program's process when the system gives one, else null (the document went
// to a program already running).
bool OpenDocument(const std::string& strPath, const std::string& strParameters, const std::string& strDirectory,
                  int nShow, bool bWaitForInputIdle, HANDLE& hProcess);
