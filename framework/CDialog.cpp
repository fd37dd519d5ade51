#include "framework/CDialog.h"

#include "framework/AfxResource.h"
#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"
#include "framework/CWndCreationHook.h"
#include "framework/DialogTemplate.h"
#include "framework/WindowClass.h"

// The dialog manager's callback: it only brings WM_INITDIALOG to the dialog object; every
// other message already went through the object's window procedure.
INT_PTR CALLBACK FrameworkDialogProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    if (!dialog)
        return TRUE;
    if (dialog->m_hWnd != hwnd) {
        // The creation hook missed the window: bind it now, before its initialisation.
        if (!dialog->SubclassWindow(hwnd))
            return TRUE;
        dialog->m_bOwnsWindow = true;
    }
    return dialog->OnInitDialog();
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

BOOL CDialog::CreateFromTemplate(HWND parent)
{
    if (m_hWnd)
        return FALSE;
    DialogTemplate dialogTemplate(m_nIDTemplate);
    if (!dialogTemplate.IsLoaded())
        return FALSE;
    // The framework shows the dialog itself after OnInitDialog, so that a dialog that
    // hides itself there stays hidden. A modal dialog always shows, as the system's own
    // modal dialogs do: hidden, it would leave its owner disabled behind nothing.
    const bool visible = dialogTemplate.TakeOffVisible() || m_bModal;
    AfxInitCommonControls();
    m_bHiddenByCall = false;
    HWND created = nullptr;
    {
        CWndCreationHook hook(this);
        created = ::CreateDialogIndirectParamA(AfxGetResourceHandle(), dialogTemplate.Get(), parent,
                                               FrameworkDialogProc, reinterpret_cast<LPARAM>(this));
    }
    if (!created || m_hWnd != created)
        return FALSE;
    // A modal dialog that ended in its initialisation is not worth a flash on the screen.
    const bool endedAlready = m_bModal && !m_bInModalLoop;
    if (visible && !endedAlready && !::IsWindowVisible(m_hWnd) && !m_bHiddenByCall)
        ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_nIDTemplate = templateId;
    m_pParentWnd = parent;
    m_bModal = false;
    return CreateFromTemplate(parent ? parent->m_hWnd : nullptr);
}

INT_PTR CDialog::DoModal()
{
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner) {
        CWnd* mainWindow = AfxGetMainWnd();
        if (mainWindow && mainWindow != this)
            owner = mainWindow->m_hWnd;
    }
    while (owner && (::GetWindowLongA(owner, GWL_STYLE) & WS_CHILD))
        owner = ::GetParent(owner);
    // Without a parent, a dialog opened from another modal dialog (the main window is
    // disabled already) must be owned by that dialog and disable it, or the user could go
    // on working in it, or even open it again, while this one runs.
    if (!m_pParentWnd && owner)
        owner = ::GetLastActivePopup(owner);
    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    if (disableOwner)
        ::EnableWindow(owner, FALSE);

    m_bModal = true;
    m_bInModalLoop = true;
    m_nModalResult = -1;
    if (CreateFromTemplate(owner) && m_bInModalLoop)
        RunModalLoop();
    m_bInModalLoop = false;

    if (m_hWnd) {
        // Hide first, so that activation goes back to the owner and not elsewhere.
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (disableOwner)
        ::EnableWindow(owner, TRUE);
    if (owner && m_hWnd && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(owner);
    if (m_hWnd)
        DestroyWindow();
    m_bModal = false;
    return m_nModalResult;
}

void CDialog::RunModalLoop()
{
    while (m_bInModalLoop && m_hWnd) {
        MSG msg;
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The program is quitting: end the dialog and leave the quit to the outer loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_nModalResult = -1;
            break;
        }
        if (got == -1)
            continue;
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    m_bInModalLoop = false;
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    if (m_bModal) {
        m_bInModalLoop = false;
        // Wake the modal loop, which may be waiting for a message.
        if (m_hWnd)
            ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
    } else if (m_hWnd) {
        ::EndDialog(m_hWnd, result);
    }
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return !exchange.Failed();
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::GotoDlgCtrl(CWnd* control)
{
    if (control)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), TRUE);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_bModal)
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    if (m_bModal)
        EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST)
        return FALSE;
    // A dialog nested as a control leaves keyboard navigation to the dialog around it,
    // which moves across both.
    if ((GetStyle() & WS_CHILD) && (GetExStyle() & WS_EX_CONTROLPARENT) && ::GetParent(m_hWnd))
        return FALSE;
    if (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, msg);
}
