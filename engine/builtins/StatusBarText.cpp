#include "engine/builtins/StatusBarText.h"

#include "engine/system/COsVersion.h"
#include "engine/system/SystemWindows.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

namespace {

using VirtualAllocExFn = LPVOID(WINAPI*)(HANDLE, LPVOID, SIZE_T, DWORD, DWORD);
using VirtualFreeExFn = BOOL(WINAPI*)(HANDLE, LPVOID, SIZE_T, DWORD);

// The longest text the low word of the bar's length answer can tell, with its
// terminator.
// The text can change between that answer and the read, so the buffers are
// always this long rather than as long as the answer said.
const int kLongestPartBytes = 0x10000;

// Whether the bar answers, with a part text that fits the buffers. The 8-bit
// read writes the whole text, however long, so a longer one is never read.
// The answer's low word is the length, its high word the drawing type, whose
// flags leave the high word's low byte clear; this system's bar carries the
// rest of a longer length on into that byte. A character can take more than
// one byte in the code page.
bool PartFitsBuffers(HWND bar, int part)
{
    LRESULT answer = 0;
    if (!SendMessageGuarded(bar, SB_GETTEXTLENGTHA, static_cast<WPARAM>(part), 0, answer))
        return false;
    const DWORD dwAnswer = static_cast<DWORD>(answer);
    CPINFO info = {};
    const UINT uCharBytes = GetCPInfo(CP_ACP, &info) ? info.MaxCharSize : 2;
    return (HIWORD(dwAnswer) & 0xFF) == 0 && LOWORD(dwAnswer) * uCharBytes < kLongestPartBytes;
}

bool ReadThroughProcessMemory(HWND bar, int part, int bytes, std::string& text)
{
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    auto allocEx =
        reinterpret_cast<VirtualAllocExFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "VirtualAllocEx")));
    auto freeEx = reinterpret_cast<VirtualFreeExFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "VirtualFreeEx")));
    if (!allocEx || !freeEx)
        return false;
    DWORD pid = 0;
    GetWindowThreadProcessId(bar, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process)
        return false;
    bool read = false;
    void* remote = allocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote) {
        LRESULT answer = 0;
        std::vector<char> local(bytes + 1, '\0');
        SIZE_T copied = 0;
        if (SendMessageGuarded(bar, SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(remote), answer) &&
            ReadProcessMemory(process, remote, local.data(), bytes, &copied)) {
            text = local.data();
            read = true;
        }
        freeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return read;
}

bool ReadThroughSharedMapping(HWND bar, int part, int bytes, std::string& text)
{
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, bytes, nullptr);
    if (!mapping)
        return false;
    bool read = false;
    char* view = static_cast<char*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0));
    if (view) {
        view[0] = '\0';
        LRESULT answer = 0;
        read = SendMessageGuarded(bar, SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(view), answer);
        text.assign(view, strnlen(view, bytes));
        UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
    return read;
}

}  // namespace

int StatusBarPartCount(HWND bar)
{
    LRESULT count = 0;
    SendMessageGuarded(bar, SB_GETPARTS, 0, 0, count);
    return static_cast<int>(count);
}

bool ReadStatusBarPart(HWND bar, int part, std::string& text)
{
    text.clear();
    if (!PartFitsBuffers(bar, part))
        return false;
    if (COsVersion::Current().m_bNT)
        return ReadThroughProcessMemory(bar, part, kLongestPartBytes, text);
    return ReadThroughSharedMapping(bar, part, kLongestPartBytes, text);
}
