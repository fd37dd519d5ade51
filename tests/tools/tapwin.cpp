// tapwin.exe: a target window for end-to-end tests. It logs what it receives,
// one line per message of interest, to the file named by --log:
//   <ms> <MESSAGE> id=<control id> x=<x> y=<y>            mouse (client of the top-level window)
//   <ms> <MESSAGE> id=<id> vk=<vk> scan=<scan> ext=<0|1> shift=<0|1> ctrl=<0|1> alt=<0|1> win=<0|1>
//   <ms> WM_CHAR id=<id> ch=<code>
//   <ms> WM_MOUSEWHEEL id=<id> x=<x> y=<y> delta=<delta>
//   <ms> BN_CLICKED id=<id>
//   <ms> WM_COMMAND id=<id> code=<notification>      other control notifications
//   <ms> MENU id=<id>                                  menu commands
//   <ms> WM_SETTEXT id=<id> text=<text>
//   <ms> WM_ACTIVATE state=<state>
//   <ms> WM_CLOSE
// Usage: tapwin.exe [--log FILE] [--title CAPTION] [--pos X,Y] [--busy MS]
// With --busy the window, once open, pumps no message for MS milliseconds: a
// program that is not ready for input.
//
// Beside the first row (edit 101, button 102, list box 103, static 104, status
// bar 105) it holds a combo box 106, a tab control 107, a check box 108, a
// multi-line edit 109, a menu "&File" with "&Open" (201) and "&Recent" >
// "&First" (202), and two filled blocks in the client area: red (255,0,0) at
// kRedRect and (0x12,0x34,0x56) at kBlueRect. Posting kStopPumpingMessage with
// wParam = milliseconds makes the window stop pumping messages that long, as a
// hung program does. Posting kLongStatusMessage with wParam = n puts n "x"
// chars into the first status-bar part.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The ids that the log and the tests name.
enum ControlId
{
    kEditId = 101,
    kButtonId = 102,
    kListId = 103,
    kStaticId = 104,
    kStatusId = 105,
    kComboId = 106,
    kTabId = 107,
    kCheckId = 108,
    kMultiEditId = 109,
    kMenuOpenId = 201,
    kMenuFirstId = 202,
};
const UINT kStopPumpingMessage = WM_APP + 1;
const UINT kLongStatusMessage = WM_APP + 2;
const RECT kRedRect = {300, 180, 340, 210};
const RECT kBlueRect = {350, 180, 380, 210};

FILE* g_log = nullptr;
HWND g_main = nullptr;
DWORD g_start = 0;

void LogLine(const std::string& text)
{
    if (!g_log)
        return;
    std::fprintf(g_log, "%lu %s\n", static_cast<unsigned long>(GetTickCount() - g_start), text.c_str());
    std::fflush(g_log);
}

int ControlId(HWND hwnd)
{
    return hwnd == g_main ? 0 : GetDlgCtrlID(hwnd);
}

struct MessageName
{
    UINT message;
    const char* name;
};

// The queued input messages that the log names.
const MessageName kMouseMessages[] = {
    {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"}, {WM_LBUTTONUP, "WM_LBUTTONUP"}, {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
    {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"}, {WM_RBUTTONUP, "WM_RBUTTONUP"}, {WM_RBUTTONDBLCLK, "WM_RBUTTONDBLCLK"},
    {WM_MBUTTONDOWN, "WM_MBUTTONDOWN"}, {WM_MBUTTONUP, "WM_MBUTTONUP"}, {WM_MBUTTONDBLCLK, "WM_MBUTTONDBLCLK"},
};
const MessageName kKeyMessages[] = {
    {WM_KEYDOWN, "WM_KEYDOWN"},
    {WM_KEYUP, "WM_KEYUP"},
    {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
    {WM_SYSKEYUP, "WM_SYSKEYUP"},
};

// The message's name in the table; empty when it is not there.
template <size_t N>
std::string NameIn(const MessageName (&table)[N], UINT message)
{
    for (const MessageName& entry : table) {
        if (entry.message == message)
            return entry.name;
    }
    return "";
}

int Down(int vk)
{
    return (GetKeyState(vk) & 0x8000) ? 1 : 0;
}

POINT ToMainClient(HWND from, POINT pt)
{
    MapWindowPoints(from, g_main, &pt, 1);
    return pt;
}

// Logs input as the loop takes it, so the key state is the one at that message.
void LogQueued(const MSG& m)
{
    char buf[512];
    int id = ControlId(m.hwnd);
    std::string name = NameIn(kMouseMessages, m.message);
    if (!name.empty()) {
        POINT pt = ToMainClient(m.hwnd, {GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)});
        std::snprintf(buf, sizeof buf, "%s id=%d x=%ld y=%ld", name.c_str(), id, pt.x, pt.y);
        LogLine(buf);
        return;
    }
    name = NameIn(kKeyMessages, m.message);
    if (!name.empty()) {
        unsigned scan = (m.lParam >> 16) & 0xFF;
        unsigned ext = (m.lParam >> 24) & 1;
        std::snprintf(buf, sizeof buf, "%s id=%d vk=%u scan=%u ext=%u shift=%d ctrl=%d alt=%d win=%d", name.c_str(), id,
                      static_cast<unsigned>(m.wParam), scan, ext, Down(VK_SHIFT), Down(VK_CONTROL), Down(VK_MENU),
                      Down(VK_LWIN) | Down(VK_RWIN));
        LogLine(buf);
        return;
    }
    if (m.message == WM_CHAR || m.message == WM_SYSCHAR) {
        std::snprintf(buf, sizeof buf, "%s id=%d ch=%u", m.message == WM_CHAR ? "WM_CHAR" : "WM_SYSCHAR", id,
                      static_cast<unsigned>(m.wParam));
        LogLine(buf);
        return;
    }
    if (m.message == WM_MOUSEWHEEL) {
        POINT pt = {GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        ScreenToClient(g_main, &pt);
        std::snprintf(buf, sizeof buf, "WM_MOUSEWHEEL id=%d x=%ld y=%ld delta=%d", id, pt.x, pt.y,
                      static_cast<short>(HIWORD(m.wParam)));
        LogLine(buf);
    }
}

// Sent messages never pass the loop: a hook on our own thread sees them.
LRESULT CALLBACK SentHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const CWPSTRUCT* s = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (s->message == WM_SETTEXT && GetAncestor(s->hwnd, GA_ROOT) == g_main && s->lParam) {
            LogLine("WM_SETTEXT id=" + std::to_string(ControlId(s->hwnd)) +
                    " text=" + reinterpret_cast<const char*>(s->lParam));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Layout(HWND hwnd)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    HWND status = GetDlgItem(hwnd, kStatusId);
    SendMessageA(status, WM_SIZE, 0, 0);
    int parts[2] = {rc.right / 2, -1};
    SendMessageA(status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: {
        HINSTANCE inst = reinterpret_cast<LPCREATESTRUCT>(lParam)->hInstance;
        auto child = [&](const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id) {
            CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, hwnd,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), inst, nullptr);
        };
        child("Edit", "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 10, 10, 250, 24, kEditId);
        child("Button", "Press", WS_TABSTOP | BS_PUSHBUTTON, 270, 10, 100, 24, kButtonId);
        child("ListBox", "", WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 10, 44, 250, 120, kListId);
        child("Static", "Tap static text", 0, 270, 44, 180, 20, kStaticId);
        child(STATUSCLASSNAMEA, "", 0, 0, 0, 0, 0, kStatusId);
        child(WC_TABCONTROLA, "", WS_CLIPSIBLINGS, 270, 70, 190, 50, kTabId);
        child("Button", "Check me", WS_TABSTOP | BS_AUTOCHECKBOX, 270, 130, 120, 20, kCheckId);
        child("ComboBox", "", WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST, 10, 172, 250, 150, kComboId);
        child("Edit", "first line\r\nsecond line\r\nthird", WS_BORDER | WS_VSCROLL | ES_MULTILINE, 10, 204, 250, 70,
              kMultiEditId);
        const char* const tabs[] = {"One", "Two", "Three"};
        for (int i = 0; i < 3; ++i) {
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<char*>(tabs[i]);
            SendDlgItemMessageA(hwnd, kTabId, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
        }
        for (const char* text : {"Alpha", "Beta", "Gamma"})
            SendDlgItemMessageA(hwnd, kComboId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        for (const char* text : {"Red", "Green", "Blue"})
            SendDlgItemMessageA(hwnd, kListId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        Layout(hwnd);
        HWND status = GetDlgItem(hwnd, kStatusId);
        SendMessageA(status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("Part one"));
        SendMessageA(status, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>("Part two"));
        return 0;
    }
    case WM_SIZE:
        Layout(hwnd);
        return 0;
    case WM_COMMAND:
        if (lParam == 0)
            LogLine("MENU id=" + std::to_string(LOWORD(wParam)));
        else if (HIWORD(wParam) == BN_CLICKED)
            LogLine("BN_CLICKED id=" + std::to_string(LOWORD(wParam)));
        else
            LogLine("WM_COMMAND id=" + std::to_string(LOWORD(wParam)) + " code=" + std::to_string(HIWORD(wParam)));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        HBRUSH blue = CreateSolidBrush(RGB(0x12, 0x34, 0x56));
        FillRect(dc, &kRedRect, red);
        FillRect(dc, &kBlueRect, blue);
        DeleteObject(red);
        DeleteObject(blue);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case kLongStatusMessage: {
        std::string text(wParam, 'x');
        SendDlgItemMessageA(hwnd, kStatusId, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
        return 0;
    }
    case kStopPumpingMessage:
        LogLine("STOP PUMPING ms=" + std::to_string(wParam));
        Sleep(static_cast<DWORD>(wParam));
        return 0;
    case WM_ACTIVATE:
        LogLine("WM_ACTIVATE state=" + std::to_string(LOWORD(wParam)));
        if (LOWORD(wParam) != WA_INACTIVE)
            SetFocus(GetDlgItem(hwnd, kEditId));
        return 0;
    case WM_CLOSE:
        LogLine("WM_CLOSE");
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

HMENU BuildMenu()
{
    HMENU recent = CreatePopupMenu();
    AppendMenuA(recent, MF_STRING, kMenuFirstId, "&First");
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, kMenuOpenId, "&Open");
    AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "&Recent");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    return bar;
}

std::string OptionValue(int argc, char** argv, const char* name, const char* fallback)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == name)
            return argv[i + 1];
    }
    return fallback;
}

}  // namespace

int main(int argc, char** argv)
{
    g_start = GetTickCount();
    std::string logPath = OptionValue(argc, argv, "--log", "");
    std::string title = OptionValue(argc, argv, "--title", "Tap Test Window");
    std::string pos = OptionValue(argc, argv, "--pos", "100,100");
    int x = 100;
    int y = 100;
    std::sscanf(pos.c_str(), "%d,%d", &x, &y);
    if (!logPath.empty()) {
        g_log = std::fopen(logPath.c_str(), "w");
        if (!g_log) {
            std::fprintf(stderr, "tapwin: cannot write %s\n", logPath.c_str());
            return 2;
        }
    }

    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    HINSTANCE inst = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = MainProc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "TapWinClass";
    RegisterClassA(&wc);

    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, SentHook, nullptr, GetCurrentThreadId());
    g_main = CreateWindowExA(0, wc.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW, x, y, 480, 360, nullptr,
                             BuildMenu(), inst, nullptr);
    if (!g_main)
        return 3;
    ShowWindow(g_main, SW_SHOW);
    SetForegroundWindow(g_main);
    SetFocus(GetDlgItem(g_main, kEditId));
    Sleep(static_cast<DWORD>(std::atoi(OptionValue(argc, argv, "--busy", "0").c_str())));

    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        LogQueued(m);
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    UnhookWindowsHookEx(hook);
    if (g_log)
        std::fclose(g_log);
    return 0;
}
