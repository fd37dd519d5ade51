#include "editor/CInputKeyDlg.h"

#include "editor/IRobotEditor.h"
#include "framework/CDataExchange.h"

BEGIN_MESSAGE_MAP(CInputKeyDlg, CDialog)
    ON_BN_CLICKED(1009, OnInsertAction)
    ON_BN_CLICKED(1021, OnInsertText)
END_MESSAGE_MAP()

CInputKeyDlg::CInputKeyDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CInputKeyDlg::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
}

BOOL CInputKeyDlg::OnInitDialog()
{
    return CDialog::OnInitDialog();
}

void CInputKeyDlg::OnInsertAction() {}

void CInputKeyDlg::OnInsertText() {}
