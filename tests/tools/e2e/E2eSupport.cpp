#include "tests/tools/e2e/E2eSupport.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace e2e {

namespace {

std::vector<Started>& StartedList()
{
    static std::vector<Started> list;
    return list;
}

struct WindowSearch
{
    std::string caption;
    int itemId = 0;  // 0: any window of the caption
    HWND found = nullptr;
};

BOOL CALLBACK MatchCaption(HWND hwnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    char text[512] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    if (search->caption == text && IsWindowVisible(hwnd) && (!search->itemId || GetDlgItem(hwnd, search->itemId))) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindTopLevel(const std::string& caption, int itemId = 0)
{
    WindowSearch search{caption, itemId};
    EnumWindows(MatchCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void DeleteTree(const std::string& folder)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = fd.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string path = folder + "\\" + name;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            DeleteTree(path);
            RemoveDirectoryA(path.c_str());
        } else {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
    } while (FindNextFileA(h, &fd));
    FindClose(h);
}

}  // namespace

std::string BinDir()
{
    std::vector<char> buf(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0)
            return ".";
        if (n < buf.size())
            break;
        buf.resize(buf.size() * 2);
    }
    std::string path(buf.data());
    return path.substr(0, path.find_last_of("\\/"));
}

std::string BinPath(const std::string& exeName)
{
    return BinDir() + "\\" + exeName;
}

namespace {

// The writable command line for a program (a bare name is looked for in
// BinDir()) with a tail; path receives the program's path.
std::vector<char> CommandLineFor(const std::string& exe, const std::string& args, std::string& path)
{
    path = exe.find_first_of("\\/") == std::string::npos ? BinPath(exe) : exe;
    std::string cmd = "\"" + path + "\"";
    if (!args.empty())
        cmd += " " + args;
    std::vector<char> line(cmd.begin(), cmd.end());
    line.push_back('\0');
    return line;
}

}  // namespace

Started StartProgram(const std::string& exe, const std::string& args)
{
    std::string path;
    std::vector<char> line = CommandLineFor(exe, args, path);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    Started started;
    // Under a busy Wine a start has been seen to fail once and work at once
    // after: one more try, with the first failure's code on record.
    if (!CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        std::fprintf(stderr, "e2e: starting %s failed with error %lu; trying once more\n", path.c_str(),
                     GetLastError());
        Sleep(500);
        if (!CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            return started;
    }
    CloseHandle(pi.hThread);
    started.process = pi.hProcess;
    started.pid = pi.dwProcessId;
    StartedList().push_back(started);
    return started;
}

int RunAndCapture(const std::string& exe, const std::string& args, std::string& output, DWORD timeoutMs)
{
    output.clear();
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &sa, 0))
        return -1;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    std::string path;
    std::vector<char> line = CommandLineFor(exe, args, path);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    const BOOL started =
        CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return -1;
    }
    CloseHandle(pi.hThread);
    const DWORD deadline = GetTickCount() + timeoutMs;
    char buffer[4096];
    for (;;) {
        DWORD available = 0;
        if (!PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr))
            break;
        if (available > 0) {
            DWORD read = 0;
            if (!ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) || read == 0)
                break;
            output.append(buffer, read);
            continue;
        }
        if (WaitForSingleObject(pi.hProcess, 10) == WAIT_OBJECT_0) {
            DWORD read = 0;
            while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0 &&
                   ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0)
                output.append(buffer, read);
            break;
        }
        if (static_cast<int>(GetTickCount() - deadline) > 0) {
            TerminateProcess(pi.hProcess, 1);
            WaitForSingleObject(pi.hProcess, 5000);
            CloseHandle(pi.hProcess);
            CloseHandle(readEnd);
            return -1;
        }
    }
    WaitForSingleObject(pi.hProcess, 5000);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(readEnd);
    return static_cast<int>(code);
}

int WaitForExit(const Started& p, DWORD timeoutMs)
{
    if (!p.process || WaitForSingleObject(p.process, timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(p.process, &code);
    return static_cast<int>(code);
}

void EndStartedProcesses()
{
    for (Started& p : StartedList()) {
        if (WaitForSingleObject(p.process, 0) == WAIT_TIMEOUT) {
            TerminateProcess(p.process, 1);
            WaitForSingleObject(p.process, 5000);
        }
        CloseHandle(p.process);
    }
    StartedList().clear();
}

int StartHttpServer(const std::string& root)
{
    const std::string portFile = root + "\\port.txt";
    DeleteFileA(portFile.c_str());
    if (StartProgram("httpserve.exe", "--root \"" + root + "\" --port-file \"" + portFile + "\"").pid == 0)
        return 0;
    int port = 0;
    WaitUntil([&] { return (port = std::atoi(ReadWholeFile(portFile).c_str())) != 0; }, 30000, 20);
    return port;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pauseMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(pauseMs);
    }
}

HWND WaitForWindow(const std::string& caption, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopLevel(caption)) != nullptr; }, timeoutMs);
    return found;
}

HWND WaitForWindowWithItem(const std::string& caption, int itemId, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopLevel(caption, itemId)) != nullptr; }, timeoutMs);
    return found;
}

bool WaitForWindowGone(const std::string& caption, DWORD timeoutMs)
{
    return WaitUntil([&] { return FindTopLevel(caption) == nullptr; }, timeoutMs);
}

std::string ReadWholeFile(const std::string& path)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return "";
    std::string data;
    char buf[65536];
    DWORD got = 0;
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0)
        data.append(buf, got);
    CloseHandle(h);
    return data;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok =
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    return CloseHandle(h) && ok;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> ReadLines(const std::string& path)
{
    return SplitLines(ReadWholeFile(path));
}

namespace {

bool FolderListsExactly(const std::string& folder, const std::string& name)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool listed = false;
    do
        listed = name == found.cFileName;
    while (!listed && FindNextFileA(search, &found));
    FindClose(search);
    return listed;
}

}  // namespace

bool CopyToCaseTwin(const std::string& folder, const std::string& name, const std::string& twin)
{
    using UnixFileName = char*(CDECL*)(LPCWSTR);
    const auto unixFileName = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    const std::string part = twin + ".part";
    if (!unixFileName || !CopyFileA((folder + "\\" + name).c_str(), (folder + "\\" + part).c_str(), FALSE))
        return false;
    const std::wstring wideFolder(folder.begin(), folder.end());
    char* unixFolder = unixFileName(wideFolder.c_str());
    if (!unixFolder)
        return false;
    // The host's rename is whole at once: the twin never shows half written.
    std::string command = "mv \"" + std::string(unixFolder) + "/" + part + "\" \"" + unixFolder + "/" + twin + "\"";
    HeapFree(GetProcessHeap(), 0, unixFolder);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA("Z:\\bin\\mv", &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    // A host program gives no handles to wait on.
    return WaitUntil([&] { return FolderListsExactly(folder, twin) && !FolderListsExactly(folder, part); }, 10000);
}

bool WaitForFileLine(const std::string& path, const std::string& text, DWORD timeoutMs)
{
    return WaitUntil(
        [&] {
            for (const std::string& line : ReadLines(path)) {
                if (line.find(text) != std::string::npos)
                    return true;
            }
            return false;
        },
        timeoutMs);
}

std::string TempFilePath(const std::string& stem)
{
    char dir[MAX_PATH + 1] = "";
    GetTempPathA(sizeof dir, dir);
    static unsigned counter = 0;
    return std::string(dir) + stem + "-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) +
           ".tmp";
}

std::string DataFolder()
{
    char appData[MAX_PATH + 1] = "";
    if (!SHGetSpecialFolderPathA(nullptr, appData, CSIDL_APPDATA, TRUE))
        return "";
    return std::string(appData) + "\\orvantis\\Tapwright";
}

std::string ScriptFolder()
{
    return DataFolder() + "\\script";
}

void EmptyDataFolder()
{
    std::string data = DataFolder();
    if (data.empty())
        return;
    DeleteTree(data);
    CreateDirectoryA((data.substr(0, data.rfind('\\'))).c_str(), nullptr);
    CreateDirectoryA(data.c_str(), nullptr);
    CreateDirectoryA(ScriptFolder().c_str(), nullptr);
}

bool WriteRobotFile(const std::string& folder, const std::string& name, const std::vector<std::string>& lines,
                    const RobotHeader& h)
{
    std::string text = "[General]\r\nName=" + name + "\r\nStartKey=" + h.startKey + "\r\nEndKey=" + h.endKey +
                       "\r\nDescription=" + h.description + "\r\nEnable=" + std::to_string(h.enable ? 1 : 0) +
                       "\r\nRepeatOption=" + std::to_string(h.repeatOption) +
                       "\r\nRepeatTimes=" + std::to_string(h.repeatTimes) + "\r\nOriginalSpeed=" + h.originalSpeed +
                       "\r\nUseSimilarWin=0\r\nUseRecWin=0\r\nTriggerRobot=\r\nRunAtBackground=" +
                       std::to_string(h.runAtBackground ? 1 : 0) + "\r\n[Script]\r\n";
    for (const std::string& line : lines)
        text += line + "\r\n";
    std::ofstream out(folder + "\\" + name + ".txt", std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out.flush());
}

std::string WriteTempRobotFile(const std::string& name, const std::vector<std::string>& lines)
{
    const std::string folder = TempFilePath(name);
    CreateDirectoryA(folder.c_str(), nullptr);
    if (!WriteRobotFile(folder, name, lines))
        return std::string();
    return folder + "\\" + name + ".txt";
}

void RemoveTempRobotFile(const std::string& path)
{
    DeleteFileA(path.c_str());
    RemoveDirectoryA(path.substr(0, path.rfind('\\')).c_str());
}

namespace {

struct BoxSearch
{
    DWORD pid;
    HWND exclude;
    HWND found;
    // Set for a message box: the caption it must have.
    const char* caption = nullptr;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<BoxSearch*>(param);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || window == search->exclude || std::string(className) != "#32770" ||
        !IsWindowVisible(window))
        return TRUE;
    if (search->caption) {
        char caption[128] = {};
        GetWindowTextA(window, caption, sizeof caption);
        if (!GetDlgItem(window, 0xFFFF) || std::string(caption) != search->caption)
            return TRUE;
    }
    search->found = window;
    return FALSE;
}

HWND WaitForBox(BoxSearch search, DWORD timeoutMs)
{
    WaitUntil(
        [&] {
            EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

}  // namespace

HWND WaitForMessageBox(DWORD pid, HWND exclude, DWORD timeoutMs)
{
    return WaitForBox({pid, exclude, nullptr}, timeoutMs);
}

HWND WaitForTextBox(DWORD pid, const std::string& caption, DWORD timeoutMs)
{
    return WaitForBox({pid, nullptr, nullptr, caption.c_str()}, timeoutMs);
}

HWND FindDescendant(HWND root, int id)
{
    for (HWND child = GetWindow(root, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == id)
            return child;
        if (HWND found = FindDescendant(child, id))
            return found;
    }
    return nullptr;
}

HWND FocusOfThread(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

std::string MessageBoxText(HWND box)
{
    char text[512] = {};
    SendMessageA(GetDlgItem(box, 0xFFFF), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

namespace {

// Runs the action with a block of memory in the list's own process, where the
// list view reads and writes its item records; false when there is none.
bool WithListProcessBlock(HWND list, size_t size, const std::function<void(HANDLE, char*)>& action)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(list, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process)
        return false;
    auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (remote) {
        action(process, remote);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return remote != nullptr;
}

}  // namespace

std::string ListCellText(HWND list, int row, int column)
{
    const int textSize = 512;
    std::string text;
    WithListProcessBlock(list, sizeof(LVITEMA) + textSize, [&](HANDLE process, char* remote) {
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = remote + sizeof(LVITEMA);
        item.cchTextMax = textSize;
        std::vector<char> buffer(textSize, '\0');
        if (WriteProcessMemory(process, remote, &item, sizeof item, nullptr)) {
            SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote));
            if (ReadProcessMemory(process, item.pszText, buffer.data(), buffer.size() - 1, nullptr))
                text = buffer.data();
        }
    });
    return text;
}

bool SelectListRow(HWND list, int row)
{
    bool selected = false;
    WithListProcessBlock(list, sizeof(LVITEMA), [&](HANDLE process, char* remote) {
        LVITEMA item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        if (WriteProcessMemory(process, remote, &item, sizeof item, nullptr))
            selected = SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                                    reinterpret_cast<LPARAM>(remote)) != FALSE;
    });
    return selected;
}

bool ClickListCell(HWND list, int row, int column, DWORD timeoutMs)
{
    return WaitUntil(
        [&] {
            if (SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED)
                return true;
            RECT cell = {LVIR_LABEL, column, 0, 0};
            WithListProcessBlock(list, sizeof cell, [&](HANDLE process, char* remote) {
                if (!WriteProcessMemory(process, remote, &cell, sizeof cell, nullptr) ||
                    !SendMessageA(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row),
                                  reinterpret_cast<LPARAM>(remote)) ||
                    !ReadProcessMemory(process, remote, &cell, sizeof cell, nullptr))
                    SetRectEmpty(&cell);
            });
            if (!IsRectEmpty(&cell))
                LeftClickAt(ClientToScreenPoint(list, (cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
            return false;
        },
        timeoutMs, 1000);
}

HWND CreateTestWindow(const char* className, WNDPROC proc, const char* title, DWORD style, RECT place, HWND parent)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, className, title, style, place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent, nullptr, windowClass.hInstance, nullptr);
}

POINT ClientToScreenPoint(HWND hwnd, int x, int y)
{
    POINT pt = {x, y};
    ClientToScreen(hwnd, &pt);
    return pt;
}

namespace {

// The screen point in mouse_event's absolute coordinates (0 to 65535).
POINT AbsoluteMousePoint(POINT screen)
{
    int w = GetSystemMetrics(SM_CXSCREEN);
    int h = GetSystemMetrics(SM_CYSCREEN);
    return {static_cast<LONG>((static_cast<long long>(screen.x) * 65535 + (w - 1) / 2) / (w - 1)),
            static_cast<LONG>((static_cast<long long>(screen.y) * 65535 + (h - 1) / 2) / (h - 1))};
}

}  // namespace

bool MoveMouseTo(POINT screen, DWORD timeoutMs)
{
    const POINT a = AbsoluteMousePoint(screen);
    mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, a.x, a.y, 0, 0);
    return WaitUntil(
        [&] {
            POINT cursor = {};
            return GetCursorPos(&cursor) && labs(cursor.x - screen.x) <= 1 && labs(cursor.y - screen.y) <= 1;
        },
        timeoutMs, 10);
}

void LeftClickAt(POINT screen)
{
    // A button pressed before the display server has seen the move can land
    // at the pointer's previous place: let the move arrive first. A late echo
    // of an earlier move can still put the pointer back, so the button events
    // carry the point themselves.
    MoveMouseTo(screen, 500);
    Sleep(50);
    const POINT a = AbsoluteMousePoint(screen);
    mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN, a.x, a.y, 0, 0);
    mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP, a.x, a.y, 0, 0);
}

POINT MiddleOf(HWND window)
{
    RECT place = {};
    GetWindowRect(window, &place);
    return {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

void LeftClickOn(HWND window)
{
    LeftClickAt(MiddleOf(window));
}

bool ClickAndWait(HWND window, const std::function<bool()>& done, DWORD timeoutMs)
{
    // Under Wine a window that has only just come up may lose the first click, so the click
    // waits a second; and it comes only once, since a late second click would land on
    // whatever comes up next at that place.
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &answer);
    Sleep(1000);
    LeftClickOn(window);
    return WaitUntil(done, timeoutMs);
}

void PressKey(BYTE virtualKey)
{
    PressChord({virtualKey});
}

void PressChord(const std::vector<BYTE>& keys)
{
    for (BYTE key : keys)
        keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, 0)), 0, 0);
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
        keybd_event(*key, static_cast<BYTE>(MapVirtualKeyA(*key, 0)), KEYEVENTF_KEYUP, 0);
}

}  // namespace e2e
