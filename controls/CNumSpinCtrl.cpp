#include "controls/CNumSpinCtrl.h"

BEGIN_MESSAGE_MAP(CNumSpinCtrl, CSpinButtonCtrl)
    ON_NOTIFY_REFLECT(UDN_DELTAPOS, OnDeltaPos)
END_MESSAGE_MAP()

void CNumSpinCtrl::SetStep(float step)
{
    if (CNumEdit* edit = GetNumEdit())
        edit->SetStep(step);
}

float CNumSpinCtrl::GetStep()
{
    CNumEdit* edit = GetNumEdit();
    return edit ? edit->GetStep() : 0.0f;
}

CWnd* CNumSpinCtrl::SetBuddy(CWnd* buddy)
{
    CWnd* previous = CSpinButtonCtrl::SetBuddy(buddy);
    if (CNumEdit* edit = GetNumEdit())
        edit->SetValue(0.0f);
    return previous;
}

CWnd* CNumSpinCtrl::GetBuddy() const
{
    return CSpinButtonCtrl::GetBuddy();
}

void CNumSpinCtrl::GetRange(float& minimum, float& maximum)
{
    minimum = 0.0f;
    maximum = 0.0f;
    if (CNumEdit* edit = GetNumEdit())
        edit->GetRange(minimum, maximum);
}

void CNumSpinCtrl::SetRange(float minimum, float maximum)
{
    CSpinButtonCtrl::SetRange(0, kUpper);
    if (CNumEdit* edit = GetNumEdit())
        edit->SetRange(minimum, maximum);
}

float CNumSpinCtrl::GetValue()
{
    CNumEdit* edit = GetNumEdit();
    return edit ? edit->GetValue() : 0.0f;
}

void CNumSpinCtrl::SetValue(float value)
{
    SendMessage(UDM_SETPOS, 0, MAKELPARAM(kMiddle, 0));
    if (CNumEdit* edit = GetNumEdit())
        edit->SetValue(value);
}

void CNumSpinCtrl::OnDeltaPos(NMHDR* header, LRESULT* result)
{
    auto* updown = reinterpret_cast<NMUPDOWN*>(header);
    if (ResetsPosition(updown->iPos, updown->iDelta))
        updown->iPos = kMiddle;
    if (CNumEdit* edit = GetNumEdit())
        edit->ChangeValue(updown->iDelta);
    *result = 0;
}
