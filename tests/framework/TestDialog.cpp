#include "tests/framework/TestDialog.h"

BEGIN_MESSAGE_MAP(TestList, CListCtrl)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
    ON_NOTIFY_REFLECT_EX(LVN_ITEMCHANGED, OnItemChanged)
END_MESSAGE_MAP()

void TestList::PreSubclassWindow()
{
    preSubclassed = true;
    CListCtrl::PreSubclassWindow();
    header.SubclassWindow(GetHeaderCtrl()->m_hWnd);
}

void TestList::OnColumnClick(NMHDR*, LRESULT* result)
{
    m_log.push_back("list:columnclick");
    *result = 0;
}

BOOL TestList::OnItemChanged(NMHDR*, LRESULT*)
{
    m_log.push_back("list:itemchanged");
    return FALSE;
}

BEGIN_MESSAGE_MAP(TestButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

BOOL TestButton::OnClicked()
{
    m_log.push_back("button:clicked");
    return FALSE;
}

BEGIN_MESSAGE_MAP(TestLabel, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

HBRUSH TestLabel::CtlColor(CDC*, UINT)
{
    ++colorCalls;
    return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
}

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
    ON_BN_CLICKED(IDC_TEST_BUTTON, OnPress)
    ON_NOTIFY(LVN_COLUMNCLICK, IDC_TEST_LIST, OnListColumnClick)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_TEST_LIST, OnListItemChanged)
END_MESSAGE_MAP()

void TestDialog::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_TEST_LIST, m_list);
    DDX_Control(exchange, IDC_TEST_BUTTON, m_button);
    DDX_Control(exchange, IDC_TEST_EDIT, m_edit);
    DDX_Control(exchange, IDC_TEST_LABEL, m_label);
    DDX_Check(exchange, IDC_TEST_CHECK, m_check);
    DDX_Radio(exchange, IDC_TEST_RADIO_ONE, m_radio);
    DDX_Text(exchange, IDC_TEST_TEXT, m_text);
}

BOOL TestDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.InsertColumn(0, "Name", LVCFMT_LEFT, 80);
    m_list.InsertColumn(1, "Key", LVCFMT_LEFT, 60);
    log.push_back("dialog:init");
    return TRUE;
}

void TestDialog::OnOK()
{
    log.push_back("dialog:ok");
    CDialog::OnOK();
}

void TestDialog::OnCancel()
{
    log.push_back("dialog:cancel");
    CDialog::OnCancel();
}

void TestDialog::OnPress()
{
    log.push_back("dialog:press");
}

void TestDialog::OnListColumnClick(NMHDR*, LRESULT*)
{
    log.push_back("dialog:columnclick");
}

void TestDialog::OnListItemChanged(NMHDR*, LRESULT*)
{
    log.push_back("dialog:itemchanged");
}
