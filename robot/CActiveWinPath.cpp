#include "robot/CActiveWinPath.h"

#include <algorithm>
#include <string>

namespace {

// Whole title, however long: a title cut short would never equal the one recorded.
CString WindowTitle(HWND hWnd)
{
    const int length = GetWindowTextLengthA(hWnd);
    if (length <= 0)
        return CString();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(hWnd, &text[0], length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return CString(std::move(text));
}

CString WindowClass(HWND hWnd)
{
    char name[261] = "";
    GetClassNameA(hWnd, name, sizeof name);
    return CString(name);
}

int ParentDepth(HWND hWnd)
{
    int depth = 0;
    for (HWND parent = GetParent(hWnd); parent; parent = GetParent(parent))
        ++depth;
    return depth;
}

struct PseudoName
{
    const char* title;
    const char* path;
};

const PseudoName kDesktop = {"Desktop", "Program Manager"};
const PseudoName kStartMenu = {"Start Menu", "Start Menu"};
const PseudoName kTaskBar = {"Task Bar", "Task Bar"};
const PseudoName kDimmedDesktop = {"Dimmed Desktop", "Dimmed Desktop"};

// The shell windows that are recorded under a fixed name instead of their
// title and program; null for an ordinary window.
const PseudoName* PseudoNameOf(HWND hWnd, const CString& className)
{
    if (hWnd == GetDesktopWindow() || WindowTitle(hWnd) == "Program Manager" || className.CompareNoCase("WorkerW") == 0)
        return &kDesktop;
    if (className.CompareNoCase("BaseBar") == 0)
        return &kStartMenu;
    if (className.CompareNoCase("Shell_TrayWnd") == 0)
        return &kTaskBar;
    if (className.CompareNoCase("DimmedWindowClass") == 0 || className.CompareNoCase("FakeDesktopWClass") == 0)
        return &kDimmedDesktop;
    if (className.CompareNoCase("DV2ControlHost") == 0 && WindowTitle(hWnd).CompareNoCase("Start Menu") == 0)
        return &kStartMenu;
    return nullptr;
}

// Hidden windows that a program never shows by themselves: its input-method
// window (empty, or 1 x 1 of the input-method class), the drop-down lists of
// its combo boxes, which are children of the desktop, and any window a user
// could not have worked in, one without a caption (a tooltip, a splash) or a
// tool window. Restoring one would show an empty frame, a stray list or a
// passing tip instead of the program.
bool IsHelperWindow(HWND hWnd)
{
    RECT rect = {};
    if (!GetWindowRect(hWnd, &rect) || IsRectEmpty(&rect))
        return true;
    const LONG style = GetWindowLongA(hWnd, GWL_STYLE);
    if ((style & WS_CHILD) || (style & WS_CAPTION) != WS_CAPTION)
        return true;
    return (GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) || WindowClass(hWnd).CompareNoCase("IME") == 0;
}

bool IsPseudoRecord(const RecordedWindowInfo& info, const PseudoName& name)
{
    return info.WinPath.CompareNoCase(name.path) == 0 && info.WinTitle.CompareNoCase(name.title) == 0;
}

void ShowDesktop()
{
    keybd_event(VK_LWIN, 0, 0, 0);
    keybd_event('D', 0, 0, 0);
    keybd_event('D', 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_LWIN, 0, KEYEVENTF_KEYUP, 0);
}

}  // namespace

CActiveWinPath::CActiveWinPath()
{
    LoadProcessFunctions();
}

CActiveWinPath::~CActiveWinPath()
{
    FreeProcessLibrary();
}

// Only the NT family is left among the systems the program runs on, so the
// process path always comes from the process-status library.
void CActiveWinPath::LoadProcessFunctions()
{
    FreeProcessLibrary();
    m_hLib = LoadLibraryA("psapi.dll");
    if (!m_hLib)
        return;
    m_pEnumProcessModules =
        reinterpret_cast<EnumProcessModulesFn>(reinterpret_cast<void*>(GetProcAddress(m_hLib, "EnumProcessModules")));
    m_pGetModuleFileNameExA = reinterpret_cast<GetModuleFileNameExAFn>(
        reinterpret_cast<void*>(GetProcAddress(m_hLib, "GetModuleFileNameExA")));
}

void CActiveWinPath::FreeProcessLibrary()
{
    if (m_hLib)
        FreeLibrary(m_hLib);
    m_hLib = nullptr;
    m_pEnumProcessModules = nullptr;
    m_pGetModuleFileNameExA = nullptr;
}

int CActiveWinPath::GetProcessPath(HWND hWnd, CString& strPath)
{
    if (!m_pEnumProcessModules || !m_pGetModuleFileNameExA)
        return 0;
    DWORD processId = 0;
    GetWindowThreadProcessId(hWnd, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process)
        return 0;
    HMODULE module = nullptr;
    DWORD needed = 0;
    int result = 0;
    if (m_pEnumProcessModules(process, &module, sizeof module, &needed)) {
        // A full buffer may mean a cut path: grow until the path fits.
        std::string path(1024, '\0');
        for (;;) {
            const DWORD copied = m_pGetModuleFileNameExA(process, module, &path[0], static_cast<DWORD>(path.size()));
            if (copied == 0)
                break;
            if (copied < path.size() - 1) {
                path.resize(copied);
                strPath = CString(std::move(path));
                result = 1;
                break;
            }
            if (path.size() >= 32768)
                break;
            path.assign(path.size() * 2, '\0');
        }
    }
    CloseHandle(process);
    return result;
}

BOOL CALLBACK CActiveWinPath::FindTopLevelProc(HWND hWnd, LPARAM lParam)
{
    CActiveWinPath* self = reinterpret_cast<CActiveWinPath*>(lParam);
    if (hWnd == self->m_hMatch || IsChild(hWnd, self->m_hMatch)) {
        self->m_hMatch = hWnd;
        self->m_bFound = 1;
        return FALSE;
    }
    return TRUE;
}

int CActiveWinPath::GetWinInfo(HWND hWnd, RecordedWindowInfo& info)
{
    if (!hWnd)
        return 0;
    m_hMatch = hWnd;
    m_bFound = 0;
    EnumWindows(FindTopLevelProc, reinterpret_cast<LPARAM>(this));
    if (!m_bFound)
        return 0;

    RECT rect;
    if (!GetWindowRect(m_hMatch, &rect))
        return 0;
    const CString className = WindowClass(m_hMatch);
    CString title;
    CString path;
    if (const PseudoName* pseudo = PseudoNameOf(m_hMatch, className)) {
        title = pseudo->title;
        path = pseudo->path;
    } else {
        if (!GetProcessPath(m_hMatch, path))
            return 0;
        title = WindowTitle(m_hMatch);
    }
    info.hWnd = m_hMatch;
    info.WinRect = rect;
    info.WinParentLevel = ParentDepth(m_hMatch);
    info.WinTitle = title;
    info.WinPath = path;
    return 1;
}

bool CActiveWinPath::IsMatch(HWND hWnd)
{
    if (std::find(m_SkipList.begin(), m_SkipList.end(), hWnd) != m_SkipList.end())
        return false;
    const CString title = WindowTitle(hWnd);
    if (title == "Program Manager")
        return false;
    CString path;
    if (!GetProcessPath(hWnd, path) || path.CompareNoCase(m_Target.WinPath) != 0)
        return false;
    if (m_Target.WinParentLevel != -1 && ParentDepth(hWnd) != m_Target.WinParentLevel)
        return false;
    if (title == m_Target.WinTitle) {
        m_hMatch = hWnd;
        return true;
    }
    // A visible window is the likelier one the actions went to; a hidden one
    // (a program hidden to the tray) is kept in case no visible one is found.
    if (IsWindowVisible(hWnd)) {
        if (!m_hCandidate)
            m_hCandidate = hWnd;
    } else if (!m_hHiddenCandidate && !IsHelperWindow(hWnd)) {
        m_hHiddenCandidate = hWnd;
    }
    return false;
}

BOOL CALLBACK CActiveWinPath::MatchWindowProc(HWND hWnd, LPARAM lParam)
{
    CActiveWinPath* self = reinterpret_cast<CActiveWinPath*>(lParam);
    if (self->IsMatch(hWnd)) {
        self->m_bFound = 1;
        return FALSE;
    }
    return TRUE;
}

int CActiveWinPath::ActivateWin(RecordedWindowInfo& info, int bExactOnly)
{
    if (IsPseudoRecord(info, kDesktop)) {
        ShowDesktop();
        return 1;
    }
    if (IsPseudoRecord(info, kTaskBar) || IsPseudoRecord(info, kStartMenu) || IsPseudoRecord(info, kDimmedDesktop))
        return 1;
    if (m_hMatch)
        return RestoreWindowTo(m_hMatch, info);

    m_Target = info;
    // A search on the same object starts afresh; only a preset match is kept.
    m_hCandidate = nullptr;
    m_hHiddenCandidate = nullptr;
    m_bFound = 0;
    EnumWindows(MatchWindowProc, reinterpret_cast<LPARAM>(this));
    if (!m_hCandidate)
        m_hCandidate = m_hHiddenCandidate;
    if (m_bFound)
        return RestoreWindowTo(m_hMatch, info);
    if (!bExactOnly && m_hCandidate)
        return RestoreWindowTo(m_hCandidate, info);
    return 0;
}

int CActiveWinPath::RestoreWindowTo(HWND hWnd, RecordedWindowInfo& info)
{
    if (!IsWindow(hWnd))
        return 0;
    if (IsIconic(hWnd))
        ShowWindow(hWnd, SW_RESTORE);
    SetForegroundWindow(hWnd);
    const RECT& rect = info.WinRect;
    SetWindowPos(hWnd, HWND_TOP, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, SWP_SHOWWINDOW);
    info.hWnd = hWnd;
    m_Target.hWnd = hWnd;
    return 1;
}
