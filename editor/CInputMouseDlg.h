#pragma once

#include "controls/CNumEdit.h"
#include "controls/CNumSpinCtrl.h"
#include "framework/CComboBox.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CString.h"

class IRobotEditor;

// The robot editor's mouse page: a click point, a click type and a waiting
// interval, turned into action description lines for the editor. It shows the
// live cursor position, which any key press takes over as the click point.
// Its owner destroys the window before deleting the object, so that OnDestroy
// still runs and stops the cursor timer.
class CInputMouseDlg : public CDialog
{
public:
    enum
    {
        IDD = 146
    };

    explicit CInputMouseDlg(CWnd* parent);

    // Set by the editor after it creates the page.
    void SetOwner(IRobotEditor* owner) { m_pOwner = owner; }
    // Takes the cursor position of the last timer tick as the click point.
    void SetPointFromCursor();

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    // Enter and Esc inside the page never close it.
    void OnOK() override {}
    void OnCancel() override {}

    void OnTimer(UINT_PTR id);
    void OnDestroy();
    void OnAddClick();
    void OnClickWherever();

    DECLARE_MESSAGE_MAP()

private:
    CEdit m_YEdit;
    CEdit m_XEdit;
    CComboBox m_ClickType;
    CNumSpinCtrl m_ClickCountSpin;
    CNumEdit m_ClickCountEdit;
    CString m_strLiveX;
    CString m_strLiveY;
    CComboBox m_IntervalUnit;
    CNumSpinCtrl m_IntervalSpin;
    CNumEdit m_IntervalEdit;
    IRobotEditor* m_pOwner = nullptr;
    UINT_PTR m_nTimerId = 0;
};
