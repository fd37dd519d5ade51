#pragma once

#include "controls/CNumEdit.h"
#include "framework/CSpinButtonCtrl.h"

// An up-down control driving a CNumEdit buddy. Its own position means nothing
// (it is kept near the middle of 0 to 1000); each press changes the buddy's
// value by the buddy's step times the press's delta. Range, step and value
// calls are passed on to the buddy and do nothing until a CNumEdit is the buddy.
class CNumSpinCtrl : public CSpinButtonCtrl
{
public:
    CNumSpinCtrl() = default;

    virtual void SetStep(float step);
    virtual float GetStep();
    // A CNumEdit made the buddy starts at the value 0.
    virtual CWnd* SetBuddy(CWnd* buddy);
    virtual CWnd* GetBuddy() const;
    virtual void GetRange(float& minimum, float& maximum);
    virtual void SetRange(float minimum, float maximum);
    virtual float GetValue();
    virtual void SetValue(float value);

    // Whether a notification at position pos with the proposed delta puts the
    // position back to the middle, so that the control never stops at its own ends.
    static bool ResetsPosition(int pos, int delta) { return pos <= delta || pos >= kUpper - delta; }

    static constexpr int kUpper = 1000;
    static constexpr int kMiddle = 500;

protected:
    void OnDeltaPos(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    CNumEdit* GetNumEdit() const { return dynamic_cast<CNumEdit*>(GetBuddy()); }
};
