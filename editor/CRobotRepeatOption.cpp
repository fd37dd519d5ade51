#include "editor/CRobotRepeatOption.h"

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
    m_CountSpin.SetBuddy(&m_CountEdit);
    m_CountSpin.SetRange(static_cast<float>(MIN_COUNT), static_cast<float>(MAX_COUNT));
    m_CountSpin.SetValue(1);
    m_CountSpin.SetStep(1);
    return TRUE;
}

void CRobotRepeatOption::OnOK()
{
    m_nCount = CountFromText(m_CountEdit.GetWindowText());
    CDialog::OnOK();
}
