#pragma once

#include "controls/CKeyEditCtrl.h"
#include "controls/CNumEdit.h"
#include "controls/CNumSpinCtrl.h"
#include "framework/CComboBox.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"

class IRobotEditor;

// The robot editor's key page: one key with a press option and a count, or a
// text to type, each turned into an action description line for the editor.
class CInputKeyDlg : public CDialog
{
public:
    enum
    {
        IDD = 147
    };

    explicit CInputKeyDlg(CWnd* parent);

    // Set by the editor after it creates the page.
    void SetOwner(IRobotEditor* owner) { m_pOwner = owner; }

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    // Enter and Esc inside the page never close it.
    void OnOK() override {}
    void OnCancel() override {}

    void OnInsertAction();
    void OnInsertText();

    DECLARE_MESSAGE_MAP()

private:
    CKeyEditCtrl m_KeyEdit;
    CComboBox m_PressOption;
    CNumSpinCtrl m_CountSpin;
    CNumEdit m_CountEdit;
    CEdit m_TextEdit;
    IRobotEditor* m_pOwner = nullptr;
};
