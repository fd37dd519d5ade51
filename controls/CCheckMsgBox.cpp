#include "controls/CCheckMsgBox.h"

#include "res/ControlsResource.h"

BEGIN_MESSAGE_MAP(CCheckMsgBox, CDialog)
    ON_BN_CLICKED(IDYES, OnYes)
    ON_BN_CLICKED(IDNO, OnNo)
END_MESSAGE_MAP()

CCheckMsgBox::CCheckMsgBox(CWnd* parent) : CDialog(IDD_CHECK_MSGBOX, parent) {}

BOOL CCheckMsgBox::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_CHECK_MESSAGE, m_strMessage);
    return TRUE;
}

void CCheckMsgBox::OnYes()
{
    Answer(TRUE);
}

void CCheckMsgBox::OnNo()
{
    Answer(FALSE);
}

void CCheckMsgBox::Answer(BOOL yes)
{
    m_bDoNotShow = IsDlgButtonChecked(IDC_CHECK_DONT_SHOW) == BST_CHECKED;
    m_bAnswer = yes;
    EndDialog(yes ? IDOK : IDCANCEL);
}
