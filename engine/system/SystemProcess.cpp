#include "engine/system/SystemProcess.h"

#include "engine/system/COsVersion.h"
#include "engine/system/ProcAddress.h"

#include <tlhelp32.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

bool IsAllDigits(const char* text)
{
    if (!*text)
        return false;
    for (const char* p = text; *p; ++p) {
        if (*p < '0' || *p > '9')
            return false;
    }
    return true;
}

bool Matches(const char* exeName, DWORD pid, const char* text, bool byId, DWORD wantedId)
{
    return lstrcmpiA(exeName, text) == 0 || (byId && pid == wantedId);
}

bool FindByPsapi(const char* text, bool byId, DWORD wantedId, DWORD& id, bool& found)
{
    HMODULE psapi = LoadLibraryA("psapi.dll");
    if (!psapi)
        return false;
    using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
    using EnumModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
    using BaseNameFn = DWORD(WINAPI*)(HANDLE, HMODULE, char*, DWORD);
    auto enumProcesses = ProcAddress<EnumProcessesFn>(psapi, "EnumProcesses");
    auto enumModules = ProcAddress<EnumModulesFn>(psapi, "EnumProcessModules");
    auto baseName = ProcAddress<BaseNameFn>(psapi, "GetModuleBaseNameA");
    if (!enumProcesses || !enumModules || !baseName) {
        FreeLibrary(psapi);
        return false;
    }
    std::vector<DWORD> ids(512);
    DWORD bytes = 0;
    enumProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)), &bytes);
    for (DWORD i = 0; i < bytes / sizeof(DWORD) && !found; ++i) {
        char name[MAX_PATH] = "";
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, ids[i]);
        if (process) {
            HMODULE module = nullptr;
            DWORD needed = 0;
            if (enumModules(process, &module, sizeof module, &needed))
                baseName(process, module, name, sizeof name);
            CloseHandle(process);
        }
        if (Matches(name, ids[i], text, byId, wantedId)) {
            id = ids[i];
            found = true;
        }
    }
    FreeLibrary(psapi);
    return true;
}

bool FindByToolHelp(const char* text, bool byId, DWORD wantedId, DWORD& id, bool& found)
{
    HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
    using SnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
    using WalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);
    auto snapshot = ProcAddress<SnapshotFn>(kernel, "CreateToolhelp32Snapshot");
    auto first = ProcAddress<WalkFn>(kernel, "Process32First");
    auto next = ProcAddress<WalkFn>(kernel, "Process32Next");
    if (!snapshot || !first || !next)
        return false;
    HANDLE snap = snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE)
        return true;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = first(snap, &entry); more && !found; more = next(snap, &entry)) {
        // Some systems give the full path: compare the file name only.
        const char* name = std::strrchr(entry.szExeFile, '\\');
        name = name ? name + 1 : entry.szExeFile;
        if (Matches(name, entry.th32ProcessID, text, byId, wantedId)) {
            id = entry.th32ProcessID;
            found = true;
        }
    }
    CloseHandle(snap);
    return true;
}

}  // namespace

bool FindProcess(const char* nameOrId, DWORD& id, bool& found)
{
    found = false;
    const char* text = nameOrId ? nameOrId : "";
    // "7up.exe" is a name, not process 7.
    bool byId = IsAllDigits(text);
    DWORD wantedId = byId ? static_cast<DWORD>(std::strtoul(text, nullptr, 10)) : 0;
    byId = byId && wantedId != 0;
    if (COsVersion::Current().m_bNT4)
        return FindByPsapi(text, byId, wantedId, id, found);
    return FindByToolHelp(text, byId, wantedId, id, found);
}

bool CloseWindowOrKill(HWND window)
{
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(window, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 500, &result))
        return true;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == 0 || pid == GetCurrentProcessId())
        return false;
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, pid);
    if (!process)
        return false;
    BOOL ended = TerminateProcess(process, 0);
    CloseHandle(process);
    return ended != FALSE;
}

namespace {

bool EnableShutdownPrivilege()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    bool ok = LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid) &&
              AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) && GetLastError() == ERROR_SUCCESS;
    CloseHandle(token);
    return ok;
}

BOOL CALLBACK CloseOtherWindow(HWND window, LPARAM)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != GetCurrentProcessId())
        CloseWindowOrKill(window);
    return TRUE;
}

}  // namespace

bool ShutdownWindows(UINT flags)
{
    const COsVersion& os = COsVersion::Current();
    if (os.m_bNT && !EnableShutdownPrivilege())
        return false;
    if (os.m_b9x && (flags & EWX_FORCE)) {
        EnumWindows(CloseOtherWindow, 0);
        flags &= ~static_cast<UINT>(EWX_FORCE);
    }
    return ExitWindowsEx(flags, 0) != FALSE;
}

namespace {

ShutdownHandler g_pShutdownHandler = ShutdownWindows;

}  // namespace

ShutdownHandler ReplaceShutdownHandler(ShutdownHandler handler)
{
    const ShutdownHandler previous = g_pShutdownHandler;
    g_pShutdownHandler = handler;
    return previous;
}

bool RequestShutdown(UINT flags)
{
    return g_pShutdownHandler(flags);
}

EPriorityRule PriorityClassOf(int nPriority, const COsVersion& os, DWORD& dwClass)
{
    static const DWORD kClasses[] = {IDLE_PRIORITY_CLASS,         BELOW_NORMAL_PRIORITY_CLASS, NORMAL_PRIORITY_CLASS,
                                     ABOVE_NORMAL_PRIORITY_CLASS, HIGH_PRIORITY_CLASS,         REALTIME_PRIORITY_CLASS};
    if (nPriority < 0 || nPriority >= static_cast<int>(sizeof kClasses / sizeof kClasses[0]))
        return PRIORITY_OUT_OF_RANGE;
    if (os.m_b9x && (nPriority == 1 || nPriority == 3))
        return PRIORITY_NOT_ON_9X;
    dwClass = kClasses[nPriority];
    return PRIORITY_OK;
}
