// A dialog from a template of the program's resources (numeric id). Modal: DoModal runs
// the framework's own modal loop, so every message passes the PreTranslateMessage chain;
// EndDialog ends it with a result. Modeless: Create makes it and returns; it lives until
// DestroyWindow. A modal dialog, and a modeless one whose template is marked visible, is
// shown after OnInitDialog, unless the dialog hid itself there (ShowWindow(SW_HIDE) through
// its object).
//
// Enter and Escape come as IDOK and IDCANCEL to OnOK and OnCancel. For a modal dialog
// they end it (OnOK after reading the controls with UpdateData); a modeless dialog stays
// open unless its own OnOK or OnCancel ends it.
//
// A child dialog nested in a dialog should carry DS_CONTROL in its template: then Tab and
// the arrow keys move between its controls and those of the dialog around it.
#pragma once

#include "framework/CWnd.h"

class CDataExchange;

class CDialog : public CWnd
{
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

    // The EndDialog result; -1 when the dialog could not be made.
    virtual INT_PTR DoModal();
    // A modeless dialog, child or top-level by its template.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    void EndDialog(int result);

    // Moves the data between controls and members: TRUE reads the controls, FALSE fills
    // them. FALSE when a control's value was refused (the user has been told).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    void GotoDlgCtrl(CWnd* control);
    void NextDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 1, 0); }
    void SetDefID(UINT id) { SendMessage(DM_SETDEFID, id); }
    DWORD GetDefID() const { return static_cast<DWORD>(SendMessage(DM_GETDEFID)); }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    // Runs after the controls exist; the base binds the controls (UpdateData(FALSE)).
    // TRUE lets the dialog manager give the focus to the first control.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* exchange);

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    friend INT_PTR CALLBACK FrameworkDialogProc(HWND, UINT, WPARAM, LPARAM);

    BOOL CreateFromTemplate(HWND parent);
    void RunModalLoop();

    bool m_bModal = false;
    bool m_bInModalLoop = false;
    int m_nModalResult = -1;
};
