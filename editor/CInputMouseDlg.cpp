#include "editor/CInputMouseDlg.h"

#include "editor/IRobotEditor.h"
#include "framework/CDataExchange.h"

BEGIN_MESSAGE_MAP(CInputMouseDlg, CDialog)
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_BN_CLICKED(1034, OnAddClick)
    ON_BN_CLICKED(1150, OnClickWherever)
END_MESSAGE_MAP()

CInputMouseDlg::CInputMouseDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CInputMouseDlg::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
}

BOOL CInputMouseDlg::OnInitDialog()
{
    return CDialog::OnInitDialog();
}

BOOL CInputMouseDlg::PreTranslateMessage(MSG* msg)
{
    return CDialog::PreTranslateMessage(msg);
}

void CInputMouseDlg::SetPointFromCursor() {}

void CInputMouseDlg::OnTimer(UINT_PTR id)
{
    CDialog::OnTimer(id);
}

void CInputMouseDlg::OnDestroy()
{
    CDialog::OnDestroy();
}

void CInputMouseDlg::OnAddClick() {}

void CInputMouseDlg::OnClickWherever() {}
