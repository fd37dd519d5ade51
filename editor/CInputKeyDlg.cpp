#include "editor/CInputKeyDlg.h"

#include "editor/CountSpin.h"
#include "editor/IRobotEditor.h"
#include "framework/CDataExchange.h"
#include "res/ActionPagesResource.h"
#include "robot/KeyNames.h"
#include "robot/NumberText.h"

namespace {

const char* const kPressOptions[] = {"Key Press", "Key Down", "Key Up"};

// A robot file holds one script line per text line, so a break inside the
// typed text is written as the Enter key of the key notation.
CString LineBreaksAsEnterKeys(CString text)
{
    text.Replace("\r\n", "{ENTER}");
    text.Replace("\r", "{ENTER}");
    text.Replace("\n", "{ENTER}");
    return text;
}

}  // namespace

BEGIN_MESSAGE_MAP(CInputKeyDlg, CDialog)
    ON_BN_CLICKED(IDC_KEY_PAGE_INSERT_ACTION, OnInsertAction)
    ON_BN_CLICKED(IDC_KEY_PAGE_INSERT_TEXT, OnInsertText)
END_MESSAGE_MAP()

CInputKeyDlg::CInputKeyDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CInputKeyDlg::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_KEY_PAGE_KEY, m_KeyEdit);
    DDX_Control(exchange, IDC_KEY_PAGE_PRESS_OPTION, m_PressOption);
    DDX_Control(exchange, IDC_KEY_PAGE_COUNT_SPIN, m_CountSpin);
    DDX_Control(exchange, IDC_KEY_PAGE_COUNT, m_CountEdit);
    DDX_Control(exchange, IDC_KEY_PAGE_TEXT, m_TextEdit);
}

BOOL CInputKeyDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_KeyEdit.m_fnKeyName = VirtualKeyToKeyName;
    SetUpCountSpin(m_CountSpin, m_CountEdit, 9999999, 1);
    for (const char* option : kPressOptions)
        m_PressOption.AddString(option);
    m_PressOption.SetCurSel(0);
    return TRUE;
}

void CInputKeyDlg::OnInsertAction()
{
    const CString key = m_KeyEdit.GetWindowText();
    if (key.IsEmpty() || !m_pOwner)
        return;
    CString option;
    m_PressOption.GetLBText(m_PressOption.GetCurSel(), option);
    CString line = option + " " + key;
    const CString count = IntToString(static_cast<int>(m_CountSpin.GetValue()));
    if (count != "1")
        line += ", " + count + " times";
    m_pOwner->AddActionLine(line);
}

void CInputKeyDlg::OnInsertText()
{
    const CString text = m_TextEdit.GetWindowText();
    if (text.IsEmpty() || !m_pOwner)
        return;
    m_pOwner->AddActionLine("Input text " + LineBreaksAsEnterKeys(text));
}
