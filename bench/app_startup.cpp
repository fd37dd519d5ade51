// Start-up: the program started with 0, 100 and 1,000 generated robot files
// (half enabled), time to its visible main window, beside a floor program of
// this benchmark's own (this executable with "--floor") that reads the same
// files, fills a report list with redraw off and registers the same hotkeys.
// Medians of 5 starts each.
#include "app/HotkeyIdentifier.h"
#include "app/RunningInstanceWindow.h"
#include "bench/BenchClock.h"
#include "bench/BenchRobots.h"
#include "framework/CFile.h"

#include <windows.h>
#include <commctrl.h>

#include <cstring>

namespace {

const char kFloorCaption[] = "Bench Floor";
const int kStarts = 5;

std::string HeaderValue(const std::string& text, const char* key)
{
    const size_t at = text.find(std::string("\n") + key);
    if (at == std::string::npos)
        return std::string();
    const size_t start = at + 1 + std::strlen(key);
    return text.substr(start, text.find('\r', start) - start);
}

int RunFloor()
{
    InitCommonControls();
    HWND window = CreateWindowExA(0, "Static", kFloorCaption, WS_OVERLAPPEDWINDOW, 10, 10, 600, 400, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 600, 400, window,
                                nullptr, nullptr, nullptr);
    const char* headings[] = {"Name", "Start", "End"};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 150;
        column.pszText = const_cast<char*>(headings[i]);
        SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    WIN32_FIND_DATAA entry;
    const std::string folder = e2e::ScriptFolder();
    HANDLE search = FindFirstFileA((folder + "\\*.txt").c_str(), &entry);
    for (int row = 0; search != INVALID_HANDLE_VALUE; ++row) {
        std::string text;
        CFile::ReadAll((folder + "\\" + entry.cFileName).c_str(), text);
        const std::string cells[] = {HeaderValue(text, "Name="), HeaderValue(text, "StartKey="),
                                     HeaderValue(text, "EndKey=")};
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<char*>(cells[0].c_str());
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        for (int cell = 1; cell < 3; ++cell) {
            item.iSubItem = cell;
            item.pszText = const_cast<char*>(cells[cell].c_str());
            SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        }
        if (HeaderValue(text, "Enable=") == "1") {
            for (int cell = 1; cell < 3; ++cell) {
                UINT modifiers = 0;
                UINT key = 0;
                const WORD id = GetHotKeyIdentifier(cells[cell].c_str(), modifiers, key);
                if (id != 0)
                    RegisterHotKey(window, id, modifiers, key);
            }
        }
        if (!FindNextFileA(search, &entry)) {
            FindClose(search);
            search = INVALID_HANDLE_VALUE;
        }
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    ShowWindow(window, SW_SHOW);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}

bool FloorVisible()
{
    HWND window = FindWindowA(nullptr, kFloorCaption);
    return window && IsWindowVisible(window);
}

bool MainDialogVisible()
{
    HWND dialog = FindRunningMainDialog();
    return dialog && IsWindowVisible(dialog);
}

// Milliseconds from starting the program to its visible window; the program
// is ended afterwards. -1 when the window never showed.
double TimeToWindow(const std::string& exe, const std::string& args, bool (*visible)())
{
    const double start = NowMs();
    e2e::StartProgram(exe, args);
    double shown = -1;
    for (const double deadline = start + 60000; NowMs() < deadline; Sleep(1)) {
        if (visible()) {
            shown = NowMs() - start;
            break;
        }
    }
    e2e::EndStartedProcesses();
    return shown;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--floor") == 0)
        return RunFloor();
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);

    std::printf("%-8s %14s %14s %8s\n", "robots", "program ms", "floor ms", "ratio");
    for (int count : {0, 100, 1000}) {
        WriteBenchRobots(count);
        // A first start writes whatever the program's own format differs in.
        TimeToWindow("Tapforge.exe", "", MainDialogVisible);
        std::vector<double> program;
        std::vector<double> floor;
        for (int i = 0; i < kStarts; ++i) {
            program.push_back(TimeToWindow("Tapforge.exe", "", MainDialogVisible));
            floor.push_back(TimeToWindow(self, "--floor", FloorVisible));
        }
        const double programMs = BenchMedian(program);
        const double floorMs = BenchMedian(floor);
        std::printf("%-8d %14.0f %14.0f %8.2f\n", count, programMs, floorMs, programMs / floorMs);
    }
    e2e::EmptyDataFolder();
    return 0;
}
