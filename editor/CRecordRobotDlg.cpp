#include "editor/CRecordRobotDlg.h"

#include "controls/ShellOpen.h"
#include "editor/automation/HookMessages.h"
#include "engine/system/ProcAddress.h"
#include "framework/AfxMessageBox.h"
#include "framework/AfxResource.h"
#include "framework/CDataExchange.h"
#include "res/ControlsResource.h"
#include "robot/ActionLineText.h"
#include "robot/CActiveWinPath.h"
#include "robot/KeyNames.h"
#include "robot/NumberText.h"

#include <algorithm>

namespace {

const char kHookLibrary[] = "automation.dll";
const char kHelpAddress[] = "https://www.orvantis.example/tapforge/recording-help";
const char kMovePrefix[] = "Mouse move to ";
const char kKeyDownPrefix[] = "Key Down ";
const char kKeyUpPrefix[] = "Key Up ";
const char kWaitPrefix[] = "Wait ";

// Below this many milliseconds a move after a move is left out.
const DWORD kMoveThinningMs = 20;
// Pauses up to these lengths give no wait line.
const DWORD kMouseWaitMs = 50;
const DWORD kKeyWaitMs = 200;
// A pause before a key-down shorter than this is dropped at faster speed.
const DWORD kKeyMarkerLimitMs = 800;
const char kTabWait[] = "Wait 200 milliseconds";

// The button lines; a line whose event names a window gets its qualifier.
struct ButtonLine
{
    UINT message;
    UINT ncMessage;
    const char* line;
    bool recordsWindow;
};

const ButtonLine kButtonLines[] = {
    {WM_LBUTTONDOWN, WM_NCLBUTTONDOWN, "Mouse Left Down", true},
    {WM_LBUTTONUP, WM_NCLBUTTONUP, "Mouse Left Up", false},
    {WM_LBUTTONDBLCLK, WM_NCLBUTTONDBLCLK, "Mouse Double Click", true},
    {WM_RBUTTONDOWN, WM_NCRBUTTONDOWN, "Mouse Right Down", true},
    {WM_RBUTTONUP, WM_NCRBUTTONUP, "Mouse Right Up", false},
};

const ButtonLine* FindButtonLine(UINT message)
{
    for (const ButtonLine& button : kButtonLines) {
        if (button.message == message || button.ncMessage == message)
            return &button;
    }
    return nullptr;
}

bool IsMove(UINT message)
{
    return message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE;
}

bool IsWindowsKey(UINT vk)
{
    return vk == VK_LWIN || vk == VK_RWIN;
}

bool IsTabKey(UINT vk)
{
    return vk == VK_TAB;
}

// The keys of the hotkey that starts a quick recording, whose releases come
// right after the start.
bool IsQuickRecordHotkeyKey(UINT vk)
{
    switch (vk) {
    case VK_CONTROL:
    case VK_MENU:
    case VK_LCONTROL:
    case VK_RCONTROL:
    case VK_LMENU:
    case VK_RMENU:
    case 'R':
        return true;
    default:
        return false;
    }
}

// Screens left of or above the primary one have negative coordinates.
CString MoveLine(LPARAM position)
{
    return kMovePrefix + IntToString(static_cast<short>(LOWORD(position))) + ", " +
           IntToString(static_cast<short>(HIWORD(position)));
}

// The key name of a "Key Down " line: "<...>" through the first ">", else the
// text up to the first blank.
CString KeyNameOfKeyDown(const CString& line)
{
    const CString rest = line.Mid(TextLength(kKeyDownPrefix));
    if (StartsWith(rest, "<"))
        return rest.Left(rest.Find('>') + 1);
    const int blank = rest.Find(' ');
    return blank < 0 ? rest : rest.Left(blank);
}

}  // namespace

BEGIN_MESSAGE_MAP(CRecordRobotDlg, CDialog)
    ON_BN_CLICKED(IDC_RECORD_START, OnStart)
    ON_BN_CLICKED(IDC_RECORD_STOP, OnStop)
    ON_MESSAGE(WM_HOOK_CURSOR, OnMouseMove)
    ON_MESSAGE(WM_HOOK_MOUSE, OnMouseHook)
    ON_MESSAGE(WM_HOOK_KEY, OnKeyHook)
    ON_NOTIFY(CLabel::NM_LINKCLICK, IDC_RECORD_HELP, OnHelp)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CRecordRobotDlg::CRecordRobotDlg() : CDialog(IDD)
{
    m_Environment.fnNow = [] { return ::GetTickCount(); };
    m_Environment.fnForegroundWindow = [] { return ::GetForegroundWindow(); };
    m_Environment.fnIsRecorderWindow = [this](HWND hWnd) {
        return m_hWnd && hWnd && (hWnd == m_hWnd || ::IsChild(m_hWnd, hWnd));
    };
    m_Environment.fnGetWinInfo = [](HWND hWnd, RecordedWindowInfo& info) {
        return CActiveWinPath().GetWinInfo(hWnd, info);
    };
}

void CRecordRobotDlg::SetEnvironment(const Environment& environment)
{
    if (environment.fnNow)
        m_Environment.fnNow = environment.fnNow;
    if (environment.fnForegroundWindow)
        m_Environment.fnForegroundWindow = environment.fnForegroundWindow;
    if (environment.fnIsRecorderWindow)
        m_Environment.fnIsRecorderWindow = environment.fnIsRecorderWindow;
    if (environment.fnGetWinInfo)
        m_Environment.fnGetWinInfo = environment.fnGetWinInfo;
}

CString CRecordRobotDlg::GetLine(int index) const
{
    if (index < 0 || index >= m_arrLines.GetSize())
        return CString();
    return m_arrLines[index];
}

BOOL CRecordRobotDlg::GetRecordedWindow(int index, RecordedWindowInfo& info) const
{
    if (index < 0 || index >= GetRecordedWindowCount())
        return FALSE;
    info = m_arrRecordedWindows[index];
    return TRUE;
}

void CRecordRobotDlg::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_RECORD_HELP, m_HelpLabel);
    DDX_Check(exchange, IDC_RECORD_ALL_MOVES, m_bRecordAllMoves);
}

BOOL CRecordRobotDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_nMode == 1)
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    m_arrLines.RemoveAll();
    GetDlgItem(IDC_RECORD_STOP)->EnableWindow(FALSE);
    m_HelpLabel.SetTransparent(TRUE)
        .SetFontName("Tahoma")
        .SetFontSize(9)
        .SetTextColor(RGB(5, 0, 255))
        .SetFontUnderline(TRUE)
        .SetLink(TRUE, TRUE)
        .SetLinkCursor(::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDC_LINK_CURSOR)));
    if (m_nMode == 0) {
        m_bHiddenStart = 1;
        ShowWindow(SW_HIDE);
    }
    return TRUE;
}

void CRecordRobotDlg::OnStart()
{
    m_arrLines.RemoveAll();
    m_KeysDown.RemoveAll();
    m_arrRecordedWindows.clear();
    m_hHookLibrary = ::LoadLibraryA(kHookLibrary);
    if (!m_hHookLibrary) {
        AfxMessageBox("Failed to load automation.dll.");
        return;
    }
    UpdateData(TRUE);
    GetDlgItem(IDC_RECORD_ALL_MOVES)->EnableWindow(FALSE);
    if (auto install = ProcAddress<InstallHookFunction>(m_hHookLibrary, "InstallHook"))
        install(m_hHookLibrary, m_hWnd);
    GetDlgItem(IDC_RECORD_STOP)->EnableWindow(TRUE);
    // The focus leaves "start" before it is disabled: a dialog without a focus
    // gets its keys as system keys, and Esc would no longer end it.
    GotoDlgCtrl(GetDlgItem(IDC_RECORD_STOP));
    GetDlgItem(IDC_RECORD_START)->EnableWindow(FALSE);
    m_dwLastEventTime = m_dwLastKeptTime = m_Environment.fnNow();
}

void CRecordRobotDlg::OnStop()
{
    RemoveUnansweredKeyDowns();
    RemoveLeadingModifierReleases();
    RemoveTrailingLines();
    ReleaseHookLibrary();
    RemoveSpeedMarkers();
    EndDialog(IDOK);
}

void CRecordRobotDlg::OnDestroy()
{
    // Esc and the close box end the dialog without "stop": the hooks must not
    // outlive the window they post to.
    ReleaseHookLibrary();
    CDialog::OnDestroy();
}

void CRecordRobotDlg::ReleaseHookLibrary()
{
    if (!m_hHookLibrary)
        return;
    if (auto uninstall = ProcAddress<UninstallHookFunction>(m_hHookLibrary, "UninstallHook"))
        uninstall();
    ::FreeLibrary(m_hHookLibrary);
    m_hHookLibrary = nullptr;
}

void CRecordRobotDlg::OnHelp(NMHDR*, LRESULT*)
{
    if (!ShellOpen(::GetDesktopWindow(), kHelpAddress, SW_SHOW))
        AfxMessageBox(CString("Unable to load web ") + kHelpAddress + ".");
}

LRESULT CRecordRobotDlg::OnMouseMove(WPARAM, LPARAM lParam)
{
    m_arrLines.Add(MoveLine(lParam));
    return 0;
}

LRESULT CRecordRobotDlg::OnMouseHook(WPARAM wParam, LPARAM lParam)
{
    const UINT message = static_cast<UINT>(wParam);
    const DWORD now = m_Environment.fnNow();
    if (IsMove(message)) {
        RecordMove(lParam, now);
        return 0;
    }
    if (message == WM_MOUSEWHEEL) {
        if (IsRecorderInFront())
            return 0;
        AddWaitLine(TakeGap(now), kMouseWaitMs, false);
        m_arrLines.Add(LOWORD(lParam) > 0 ? "Mouse Scroll Up" : "Mouse Scroll Down");
        EndEvent(now, true);
        return 0;
    }
    if (const ButtonLine* button = FindButtonLine(message)) {
        const HWND target = reinterpret_cast<HWND>(lParam);
        if (m_Environment.fnIsRecorderWindow(target))
            return 0;
        AddWaitLine(TakeGap(now), kMouseWaitMs, false);
        m_arrLines.Add(button->line + (button->recordsWindow ? WindowQualifier(target) : CString()));
        EndEvent(now, true);
    }
    return 0;
}

void CRecordRobotDlg::RecordMove(LPARAM position, DWORD now)
{
    const bool previousIsMove =
        m_arrLines.GetSize() > 0 && StartsWith(m_arrLines[m_arrLines.GetUpperBound()], kMovePrefix);
    const bool leftOut = previousIsMove && now - m_dwLastKeptTime < kMoveThinningMs && !m_bRecordAllMoves;
    AddWaitLine(TakeGap(now), kMouseWaitMs, previousIsMove);
    if (!leftOut)
        m_arrLines.Add(MoveLine(position) + (previousIsMove ? kFasterMarker : ""));
    EndEvent(now, !leftOut);
}

LRESULT CRecordRobotDlg::OnKeyHook(WPARAM wParam, LPARAM lParam)
{
    const UINT vk = static_cast<UINT>(wParam);
    const UINT kind = HIWORD(lParam);
    const DWORD now = m_Environment.fnNow();
    if (kind == WM_KEYDOWN)
        RecordKeyDown(vk, now);
    else if (kind == WM_KEYUP)
        RecordKeyUp(vk, now);
    return 0;
}

void CRecordRobotDlg::RecordKeyDown(UINT vk, DWORD now)
{
    const DWORD gap = TakeGap(now);
    AddWaitLine(gap, kKeyWaitMs, gap < kKeyMarkerLimitMs);
    m_bWinKeyDown = IsWindowsKey(vk) ? 1 : 0;
    if (m_bWinKeyDown)
        m_nWinKeyUpPos = -1;
    const HWND foreground = m_Environment.fnForegroundWindow();
    const CString qualifier = m_Environment.fnIsRecorderWindow(foreground) ? CString() : WindowQualifier(foreground);
    m_arrLines.Add(kKeyDownPrefix + VirtualKeyToKeyName(vk) + qualifier);
    if (IsTabKey(vk))
        m_arrLines.Add(kTabWait);
    m_KeysDown.AddTail(vk);
    EndEvent(now, true);
}

void CRecordRobotDlg::RecordKeyUp(UINT vk, DWORD now)
{
    if (m_bHiddenStart && m_bFirstEvent && IsQuickRecordHotkeyKey(vk))
        return;
    AddWaitLine(TakeGap(now), kKeyWaitMs, false);
    const CString name = VirtualKeyToKeyName(vk);
    if (const POSITION down = m_KeysDown.Find(vk)) {
        if (IsWindowsKey(vk))
            m_nWinKeyUpPos = m_arrLines.GetSize();
        m_arrLines.Add(kKeyUpPrefix + name);
        m_KeysDown.RemoveAt(down);
    } else if (!m_bWinKeyDown) {
        m_arrLines.Add("Key Press " + name);
    } else if (!IsWindowsKey(vk)) {
        // A key released after the Windows key still counts as pressed with
        // it: its press goes where the Windows key's release was, and that
        // release moves to the end.
        const int position = m_nWinKeyUpPos;
        if (position > 0 && position < m_arrLines.GetSize()) {
            const CString winKeyUp = m_arrLines[position];
            m_arrLines.SetAt(position, "Key Press " + name);
            m_nWinKeyUpPos = m_arrLines.Add(winKeyUp);
        } else {
            m_arrLines.Add("Key Press " + name);
        }
    }
    EndEvent(now, true);
}

DWORD CRecordRobotDlg::TakeGap(DWORD now)
{
    if (m_bFirstEvent) {
        m_bFirstEvent = 0;
        m_dwLastEventTime = m_dwLastKeptTime = now;
        return 0;
    }
    return now - m_dwLastEventTime;
}

void CRecordRobotDlg::EndEvent(DWORD now, bool kept)
{
    m_dwLastEventTime = now;
    if (kept)
        m_dwLastKeptTime = now;
}

void CRecordRobotDlg::AddWaitLine(DWORD gap, DWORD longerThan, bool speedMarker)
{
    if (gap <= longerThan)
        return;
    m_arrLines.Add(kWaitPrefix + IntToString(static_cast<int>(gap)) + " milliseconds" +
                   (speedMarker ? kFasterMarker : ""));
}

bool CRecordRobotDlg::IsRecorderInFront() const
{
    return m_Environment.fnIsRecorderWindow(m_Environment.fnForegroundWindow());
}

CString CRecordRobotDlg::WindowQualifier(HWND hWnd)
{
    if (!RecordWindow(hWnd))
        return CString();
    return " At Win [" + IntToString(GetRecordedWindowCount() - 1) + "]";
}

int CRecordRobotDlg::RecordWindow(HWND hWnd)
{
    RecordedWindowInfo record;
    if (!m_Environment.fnGetWinInfo(hWnd, record))
        return 0;
    if (!m_arrRecordedWindows.empty() && record.WinPath == m_LastWindow.WinPath && record.hWnd == m_LastWindow.hWnd)
        return 0;
    AssignWinIndex(record);
    m_LastWindow = record;
    m_arrRecordedWindows.push_back(record);
    return 1;
}

void CRecordRobotDlg::AssignWinIndex(RecordedWindowInfo& record) const
{
    std::vector<HWND> otherWindows;
    for (const RecordedWindowInfo& earlier : m_arrRecordedWindows) {
        if (earlier.WinPath != record.WinPath)
            continue;
        if (earlier.hWnd == record.hWnd) {
            record.WinIndex = earlier.WinIndex;
            return;
        }
        if (std::find(otherWindows.begin(), otherWindows.end(), earlier.hWnd) == otherWindows.end())
            otherWindows.push_back(earlier.hWnd);
    }
    record.WinIndex = static_cast<int>(otherWindows.size()) + 1;
}

void CRecordRobotDlg::RemoveUnansweredKeyDowns()
{
    std::vector<bool> unanswered(m_arrLines.GetSize(), false);
    for (int i = m_arrLines.GetUpperBound(); i >= 0; --i) {
        if (!StartsWith(m_arrLines[i], kKeyDownPrefix))
            continue;
        const CString keyUp = kKeyUpPrefix + KeyNameOfKeyDown(m_arrLines[i]);
        unanswered[i] = std::none_of(m_arrLines.begin() + i + 1, m_arrLines.end(),
                                     [&](const CString& later) { return StartsWith(later, keyUp); });
    }
    for (int i = m_arrLines.GetUpperBound(); i >= 0; --i) {
        if (unanswered[i])
            m_arrLines.RemoveAt(i);
    }
}

void CRecordRobotDlg::RemoveLeadingModifierReleases()
{
    int i = 0;
    while (i < m_arrLines.GetSize()) {
        const CString& line = m_arrLines[i];
        if (StartsWith(line, "Key Up <Ctrl>") || StartsWith(line, "Key Up <Alt>"))
            m_arrLines.RemoveAt(i);
        else if (StartsWith(line, kWaitPrefix))
            ++i;
        else
            break;
    }
}

void CRecordRobotDlg::RemoveTrailingLines()
{
    while (m_arrLines.GetSize() > 0) {
        const CString& last = m_arrLines[m_arrLines.GetUpperBound()];
        if (!StartsWith(last, kWaitPrefix) && !StartsWith(last, kKeyDownPrefix))
            break;
        m_arrLines.RemoveAt(m_arrLines.GetUpperBound());
    }
}

void CRecordRobotDlg::RemoveSpeedMarkers()
{
    // A move followed by a pause is kept at faster speed.
    for (int i = 1; i < m_arrLines.GetSize(); ++i) {
        const CString& previous = m_arrLines[i - 1];
        if (StartsWith(m_arrLines[i], kWaitPrefix) && StartsWith(previous, kMovePrefix) &&
            EndsWith(previous, kFasterMarker))
            m_arrLines.SetAt(i - 1, WithoutSuffix(previous, kFasterMarker));
    }
}
