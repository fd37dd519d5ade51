#include "ControlsTestDialog.h"

#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"
#include "res/ControlsResource.h"
#include "robot/KeyNames.h"
#include "tests/controls/ControlsTestIds.h"
#include "tests/tools/e2e/E2eSupport.h"

CControlsTestDialog::CControlsTestDialog()
{
    Create(IDD_CONTROLS_TEST, nullptr);
}

CControlsTestDialog::~CControlsTestDialog()
{
    DestroyWindow();
}

void CControlsTestDialog::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_TEST_LIST, m_list);
    DDX_Control(exchange, IDC_TEST_BUTTON, m_button);
    DDX_Control(exchange, IDC_TEST_DEFAULT_BUTTON, m_defaultButton);
    DDX_Control(exchange, IDC_TEST_NUM_EDIT, m_NumEdit);
    DDX_Control(exchange, IDC_TEST_NUM_SPIN, m_NumSpin);
    DDX_Control(exchange, IDC_TEST_KEY_EDIT, m_KeyEdit);
    DDX_Control(exchange, IDC_TEST_HOTKEY_EDIT, m_HotkeyEdit);
    DDX_Control(exchange, IDC_TEST_ACTION_LIST, m_ActionList);
    DDX_Control(exchange, IDC_TEST_LABEL, m_Label);
    DDX_Control(exchange, IDC_TEST_LINK_LABEL, m_LinkLabel);
}

BOOL CControlsTestDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    // As the robot editor's pages set up their counts.
    m_NumSpin.SetBuddy(&m_NumEdit);
    m_NumSpin.SetRange(1, 999999);
    m_NumSpin.SetValue(1);
    m_NumSpin.SetStep(1);

    m_KeyEdit.m_fnKeyName = VirtualKeyToKeyName;
    m_HotkeyEdit.m_fnKeyName = VirtualKeyToKeyName;
    m_HotkeyEdit.m_bHotkeyMode = TRUE;

    m_ActionList.SetExtendedStyle(m_ActionList.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    m_ActionList.InsertColumn(0, "Steps", LVCFMT_LEFT, 40);
    m_ActionList.InsertColumn(1, "Robot Actions Description", LVCFMT_LEFT, 250);

    m_TextPanel.Create(WS_CHILD | WS_VISIBLE, CRect(330, 420, 650, 480), this, IDC_TEST_TEXT_PANEL);
    return TRUE;
}

void CControlsTestDialog::CreatePanes(BOOL scrolling)
{
    m_pPanes = std::make_unique<CExplorerPane>(IDD_PANE_CONTAINER, this);
    m_pPanes->Create();
    m_pPanes->SetWindowPos(nullptr, 330, 5, 320, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pPanes->EnableScrolling(scrolling);
    const UINT titles[2] = {IDB_KEY_PANE_TITLE, IDB_MOUSE_PANE_TITLE};
    const int states[2] = {CItemPane::STATE_EXPANDED, CItemPane::STATE_COLLAPSED};
    for (int i = 0; i < 2; ++i) {
        m_Body[i].Create("body", WS_CHILD | SS_SUNKEN, CRect(0, 0, 320, kBodyHeights[i]), m_pPanes.get());
        m_pItemPane[i] = std::make_unique<CItemPane>(IDD_ITEM_PANE, m_pPanes.get(), &m_Body[i], titles[i],
                                                     IDB_PANE_COLLAPSED, IDB_PANE_EXPANDED, states[i]);
        m_pItemPane[i]->Create();
        m_pItemPane[i]->SetCaption(i == 0 ? "Keyboard" : "Mouse", RGB(255, 255, 255), nullptr);
        m_pItemPane[i]->ShowWindow(SW_SHOW);
        m_pPanes->AddPane(m_pItemPane[i].get());
    }
    m_pPanes->LayoutPanes();
    m_pPanes->ShowWindow(SW_SHOW);
}

BOOL CControlsTestDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->idFrom == IDC_TEST_LINK_LABEL)
        m_uLastLinkCode = header->code;
    return CDialog::OnNotify(wParam, lParam, result);
}

void PumpPendingMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!AfxPreTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void PumpFor(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do {
        PumpPendingMessages();
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    return e2e::WaitUntil(
        [&] {
            PumpPendingMessages();
            return condition();
        },
        timeoutMs, 5);
}

void PressKeys(const std::string& chords)
{
    std::string output;
    e2e::RunAndCapture("presskeys.exe", chords, output, 10000);
    PumpFor(150);
}

void ClickOn(HWND window, const POINT* clientPoint)
{
    RECT client;
    GetClientRect(window, &client);
    const POINT point = clientPoint ? *clientPoint : POINT{client.right / 2, client.bottom / 2};
    const POINT screen = e2e::ClientToScreenPoint(window, point.x, point.y);
    // A click right after a move may land where the pointer was before it.
    SetCursorPos(screen.x, screen.y);
    PumpUntil(
        [&] {
            POINT at;
            GetCursorPos(&at);
            return at.x == screen.x && at.y == screen.y;
        },
        2000);
    // The display server's echo of the warp arrives through this thread's queue.
    PumpFor(50);
    e2e::LeftClickAt(screen);
    PumpFor(100);
}

void FocusControl(CDialog& dialog, CWnd& control)
{
    dialog.SetForegroundWindow();
    dialog.GotoDlgCtrl(&control);
    PumpFor(50);
}
