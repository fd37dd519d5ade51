#include "editor/CRobotRepeatOption.h"

#include "editor/CountSpin.h"
#include "framework/CDataExchange.h"
#include "res/EditorResource.h"
#include "robot/NumberText.h"

#include <algorithm>

CRobotRepeatOption::CRobotRepeatOption() : CDialog(IDD) {}

int CRobotRepeatOption::CountFromText(const CString& text)
{
    return std::clamp(StringToInt(text), static_cast<int>(MIN_COUNT), static_cast<int>(MAX_COUNT));
}

void CRobotRepeatOption::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_REPEAT_COUNT, m_CountEdit);
    DDX_Control(exchange, IDC_REPEAT_SPIN, m_CountSpin);
    DDX_Radio(exchange, IDC_REPEAT_TIMES_OPTION, m_nOption);
}

BOOL CRobotRepeatOption::OnInitDialog()
{
    CDialog::OnInitDialog();
    static_assert(MIN_COUNT == 1, "the count spin counts from 1");
    SetUpCountSpin(m_CountSpin, m_CountEdit, static_cast<float>(MAX_COUNT), 1);
    return TRUE;
}

void CRobotRepeatOption::OnOK()
{
    m_nCount = CountFromText(m_CountEdit.GetWindowText());
    CDialog::OnOK();
}
